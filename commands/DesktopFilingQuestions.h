#pragma once

#include "document/FilingQuestions.h"

// The filing questions asked with the desktop's dialogs: the Save As dialog, and the question
// whether to save a picture's changes before it closes. The editor installs it at start-up.
class DesktopFilingQuestions : public FilingQuestions {
public:
    std::optional<SaveTarget> chooseSaveTarget(const BitmapDocument& document) override;
    int askSaveChanges(const std::string& title) override;
};
