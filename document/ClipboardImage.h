#pragma once

#include "core/Geometry.h"
#include "formats/BmpFormat.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class BitmapDocument;
class DIBImage;
class MaskImage;

// Pictures between a document and the clipboard: a copy of the selection as a packed DIB, and a
// pasted DIB or picture turned into the document's kind and installed as a floating selection.
namespace clipboardImage {

// Marks a copy as made by this program: its values are then display positions.
constexpr std::array<uint8_t, 15> marker{':', 'B', 'r', 'i', 'v', 'o', 'n', 'E', 'd', 'i', 't', 'o', 'r', ':', 0};

// The selection's dots as a packed DIB: the floating image with its own pixels, or the picture's
// dots under the region, and the background colour wherever the transparency mask is 0.
class SelectionCopy {
public:
    // Nothing without a selection.
    static std::optional<SelectionCopy> of(const BitmapDocument& document);

    size_t size() const;
    // Writes the DIB into out, which holds size() bytes: one pass over the rows.
    void write(std::span<uint8_t> out) const;

private:
    explicit SelectionCopy(const BitmapDocument& document) : m_document(&document) {}

    const BitmapDocument* m_document;
    // Keeps a temporary copy alive while rows point into it.
    std::shared_ptr<const DIBImage> m_source;
    packedDib::Rows m_rows;
    // The dots that keep their colour; none: all of them.
    std::shared_ptr<const MaskImage> m_kept;
};

// Where a paste of that size lands: centred on the selection's middle, else on centre, clamped
// into the picture, then moved back to a multiple of unit.
Point placement(const BitmapDocument& document, Point size, Point centre, Point unit);
// Removes the selection as a cut does once it is copied, as one undo step: a floating image goes
// with it, the dots of a plain one become the background colour.
void removeCut(BitmapDocument& document);
// One undo step: commits the selection and installs image at origin as a floating selection whose
// background colour dots are transparent.
void install(BitmapDocument& document, std::shared_ptr<DIBImage> image, Point origin);

} // namespace clipboardImage
