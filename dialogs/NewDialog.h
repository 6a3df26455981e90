#pragma once

#include "document/BitmapDocument.h"

#include <optional>

class NewParams;

// Asks for a new picture's colour mode, background, block size and image size with NEW_DIALOG,
// starting from preferences (and 256 colours, every time). OK stores the block size, image size and
// background back into preferences, without writing the settings file, and answers the parameters;
// Cancel answers nothing and changes nothing.
std::optional<NewDocumentParams> runNewDialog(NewParams& preferences);
