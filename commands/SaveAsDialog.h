#pragma once

#include "document/FilingQuestions.h"

#include <optional>

class BitmapDocument;

// The save dialog of Save As: the picture's own format offered first, and a name whose extension is
// not the chosen type's asked about before it is taken. Nothing when cancelled.
std::optional<SaveTarget> chooseSaveTarget(const BitmapDocument& document);

// The filing questions asked with the desktop's dialogs: the save dialog above, and the question
// whether to save a picture's changes before it closes.
class DesktopFilingQuestions : public FilingQuestions {
public:
    std::optional<SaveTarget> chooseSaveTarget(const BitmapDocument& document) override;
    int askSaveChanges(const std::string& title) override;
};
