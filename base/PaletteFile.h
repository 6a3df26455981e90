#pragma once

#include "base/Color.h"

#include <vector>

class FilePath;

// Palette files: bare red, green, blue byte triplets. Only the first 256 whole triplets count.
namespace paletteFile {

constexpr int maxEntries = 256;

// Reads the colours of an open file; a final incomplete triplet is ignored.
std::vector<ColorRef> read(FilePath& file);

} // namespace paletteFile
