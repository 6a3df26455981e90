#pragma once

#include "formats/ImageFormat.h"

#include <string_view>
#include <vector>

// The picture formats in their fixed order.
constexpr int bmpFormat = 0;
constexpr int tiffFormat = 1;
const std::vector<ImageFormat*>& imageFormats();

// Whether two extensions are the same without regard to case.
bool sameExtension(std::string_view a, std::string_view b);

// The format a file is read with: the last format whose extension matches (without regard to
// case), or BMP when none does. "tiff" reads as TIFF.
int formatIndexForExtension(std::string_view extension);
