#pragma once

#include "palette/ColorDragger.h"
#include "palette/ColorSelectionModel.h"
#include "palette/PaletteModel.h"

#include <vector>

// Colours pasted into a palette at pasteBase + their offsets, which the user drags into place.
// The selection is exactly where they lie and no press changes it; a drag puts back what they
// covered before they take their new places, so overlapping moves lose nothing.
class PalettePaste : public ColorSelectionModel, public ColorDragger {
public:
    // Writes the colours at their offsets (at most 256, each offset an entry).
    PalettePaste(PaletteModel& palette, std::vector<ColorRef> colors, std::vector<uint8_t> offsets);

    // The palette as it was before the paste.
    const PaletteModel::Snapshot& snapshot() const { return m_snapshot; }

    bool includes(int i) const override;
    void selectOnly(int) override {}
    void add(int) override {}
    void remove(int) override {}
    void selectAll() override {}
    void clear() override {}

    void* valueFor(const Aspect* aspect) override;
    int dragThreshold() const override { return 0; }
    void drop(int d, bool ctrl) override;

private:
    void place();

    PaletteModel& m_palette;
    std::vector<ColorRef> m_colors;
    std::vector<uint8_t> m_offsets;
    int m_base = 0;
    PaletteModel::Snapshot m_snapshot;
};
