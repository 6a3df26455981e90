#pragma once

#include "formats/ImageFormat.h"

// Uncompressed TIFF: reads 4 and 8-bit palette and 8-8-8 RGB images in either byte order and any
// strips; writes a little-endian file with a single strip.
std::unique_ptr<ImageFormat> makeTiffFormat();
