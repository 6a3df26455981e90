#pragma once

#include "base/Color.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class DIBImage;
class MaskImage;
class QImage;

// A picture from another program as the desktop's image readers decode it.
struct DecodedPicture {
    // Why there is no image: a side beyond DIBImage::maxSide, found before the pixels are decoded, or
    // bytes that decode to nothing.
    enum class Refusal { none, tooLarge, unreadable };

    // An indexed picture keeps its stored values, their colours in colors and in the image's
    // palette; any other is 24 bits deep. None when nothing could be decoded.
    std::shared_ptr<DIBImage> image;
    std::vector<ColorRef> colors;
    // Indexed: 1 for each entry of colors whose alpha is below 128.
    std::vector<uint8_t> clearValues;
    // 24 bits: the dots whose alpha is below 128; none for an opaque picture.
    std::shared_ptr<MaskImage> clearDots;
    Refusal refused = Refusal::none;
};

// A Qt image as a decoded picture: indexed images stay indexed; a null one is unreadable.
DecodedPicture decodedFrom(const QImage& image);
// Decodes the bytes of a picture file in any format the desktop reads (PNG, JPEG, BMP, ...).
DecodedPicture decodePicture(std::span<const uint8_t> bytes);
// Decodes a packed DIB whose rows start at pixelOffset, given it the file header it lacks: the deep
// and bit-field DIBs the program's own reader leaves to the desktop.
DecodedPicture decodePackedDib(std::span<const uint8_t> dib, size_t pixelOffset);
