#pragma once

#include "base/Color.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

class BitmapDocument;
class DIBImage;
class PaletteModel;
struct DecodedPicture;

// What a pasted picture is turned into: an indexed image on the palette, or full colour without
// one; dots that were transparent take the background colour.
struct PasteTarget {
    const PaletteModel* palette = nullptr;
    ColorRef background = 0;

    static PasteTarget of(const BitmapDocument& document);
};

// A packed DIB (its rows at pixelOffset when not 0) as an image of the target's kind, or none when
// it is no DIB a paste may take. marked: its values are display positions, whatever its colours.
std::shared_ptr<DIBImage> fromDib(const PasteTarget& target, std::span<const uint8_t> dib, size_t pixelOffset,
                                  bool marked);
// The bytes of a BMP file as an image of the target's kind, or none.
std::shared_ptr<DIBImage> fromBmpFile(const PasteTarget& target, std::span<const uint8_t> file);
// A decoded picture as an image of the target's kind, or none when it holds nothing.
std::shared_ptr<DIBImage> fromPicture(const PasteTarget& target, const DecodedPicture& picture);
