#pragma once

#include "formats/ImageFormat.h"

// Uncompressed Windows bitmaps: reads 1, 4, 8 and 24-bit files, writes 8 and 24-bit ones.
std::unique_ptr<ImageFormat> makeBmpFormat();
