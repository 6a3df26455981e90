#pragma once

#include <cstdint>

// The numbers of the TIFF tags that the codec reads, writes or keeps.
namespace tiffTags {
constexpr uint16_t newSubfileType = 254;
constexpr uint16_t imageWidth = 256;
constexpr uint16_t imageLength = 257;
constexpr uint16_t bitsPerSample = 258;
constexpr uint16_t compression = 259;
constexpr uint16_t photometricInterpretation = 262;
constexpr uint16_t stripOffsets = 273;
constexpr uint16_t samplesPerPixel = 277;
constexpr uint16_t rowsPerStrip = 278;
constexpr uint16_t stripByteCounts = 279;
constexpr uint16_t xResolution = 282;
constexpr uint16_t yResolution = 283;
constexpr uint16_t planarConfiguration = 284;
constexpr uint16_t resolutionUnit = 296;
constexpr uint16_t colorMap = 320;
} // namespace tiffTags

// The values of those fields that the codec writes or insists on.
namespace tiffValues {
// Compression
constexpr uint16_t uncompressed = 1;
// PhotometricInterpretation
constexpr uint16_t photometricRgb = 2;
constexpr uint16_t photometricPalette = 3;
// PlanarConfiguration: the samples of a pixel lie together.
constexpr uint16_t chunky = 1;
// ResolutionUnit
constexpr uint16_t inch = 2;
} // namespace tiffValues
