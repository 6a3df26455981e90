#pragma once

#include "palette/ColorDragger.h"
#include "palette/MultiColorSelectionModel.h"

#include <span>
#include <vector>

class BitmapDocument;

// Moves the colours of the selected entries d entries on, as the palette edit's drag does, and
// renumbers every pixel of the indexed picture with them, so that the picture looks the same with
// its palette in a new order. The picture is modified and redrawn. Answers the moved entries
// ascending; entries that would land outside the palette move nothing.
std::vector<int> sortPaletteEntries(BitmapDocument& document, std::span<const int> entries, int d);

// The sort dialog's selection over a document's palette: a drag of the selected entries sorts
// them there, with the pixels.
class PaletteSortSelection : public MultiColorSelectionModel, public ColorDragger {
public:
    static constexpr int dragStart = 5;

    explicit PaletteSortSelection(BitmapDocument& document);

    void* valueFor(const Aspect* aspect) override;
    int dragThreshold() const override { return dragStart; }
    void drop(int d, bool ctrl) override;

private:
    BitmapDocument& m_document;
};
