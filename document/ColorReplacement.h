#pragma once

#include "core/Geometry.h"
#include "palette/ColorDragger.h"
#include "palette/MultiColorSelectionModel.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

class BitmapDocument;
class DIBImage;
class MaskImage;

// The dots of an indexed picture's selection recoloured by palette entry, each command one undo
// step. A floating selection goes down into the picture first and stays selected; dots outside
// the selection, or outside the picture, never change. A picture without a selection or without a
// palette is left alone.

// The dots of any of the target entries take the one result colour, or the two results as a
// checkerboard anchored at the picture's top-left corner (the first where x + y is even).
void replaceColors(BitmapDocument& document, std::span<const int> targets, std::span<const int> results);

// Every dot moves to row rowStart AND 0xF0 of the palette, keeping its column.
void assignPaletteRow(BitmapDocument& document, int rowStart);

// The advanced replacement's grid: dragging the selected entries renumbers the selection's dots
// at once, as replacementTable says (with Ctrl the destinations take the sources' dots and
// nothing is exchanged), and the grid's selection follows the drop. keep() makes the changes one
// undo step; any other end, an error included, puts the dots back.
class ReplacementPreview : public MultiColorSelectionModel, public ColorDragger {
public:
    static constexpr int dragStart = 5;

    // Drops a floating selection into the picture and keeps the dots the renumbering may change.
    explicit ReplacementPreview(BitmapDocument& document);
    ~ReplacementPreview() override;

    void* valueFor(const Aspect* aspect) override;
    int dragThreshold() const override { return dragStart; }
    void drop(int d, bool ctrl) override;

    void keep();

private:
    void restore();

    BitmapDocument& m_document;
    std::shared_ptr<MaskImage> m_mask;
    Point m_origin{};
    std::shared_ptr<DIBImage> m_saved;
    Point m_savedAt{};
    bool m_stepBegun = false;
    bool m_wasModified = false;
    bool m_ended = false;
};
