#pragma once

#include "document/FilingQuestions.h"

#include <optional>

class BitmapDocument;

// The save dialog of Save As: the picture's own format offered first, and a name whose extension is
// not the chosen type's asked about before it is taken. Nothing when cancelled.
std::optional<SaveTarget> chooseSaveTarget(const BitmapDocument& document);
