#pragma once

#include "formats/ImageFormat.h"

#include <string_view>
#include <vector>

// The picture formats in their fixed order: 0 is BMP.
const std::vector<ImageFormat*>& imageFormats();

// The format a file is read with: the last format whose extension matches (without regard to
// case), or BMP when none does.
int formatIndexForExtension(std::string_view extension);
