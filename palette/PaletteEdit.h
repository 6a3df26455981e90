#pragma once

#include "palette/ColorDragger.h"
#include "palette/MultiColorSelectionModel.h"
#include "palette/PaletteModel.h"

// The palette edit dialog's model: a selection of entries over a palette that it edits in place,
// by channel, precision, ramps and drags, with the palette as the dialog found it to go back to.
// The single-entry aspects (current colour, red, green, blue) follow every change of the selection
// and the colours; PaletteEdit::Aspect::colors follows changes of the whole palette.
class PaletteEdit : public MultiColorSelectionModel, public ColorDragger {
public:
    // The precisions the dialog offers, in the order of its list.
    static constexpr int precisions[] = {3, 4, 5, 6, 8};
    static constexpr int precisionCount = 5;
    static constexpr int dragStart = 5;

    PaletteEdit(PaletteModel& palette, PaletteModel::Snapshot opening);

    PaletteModel& colors() const { return m_palette; }

    // The one selected entry, or -1 when none or several are selected.
    int single() const;
    // The single entry's colour; white without one.
    ColorRef currentColor() const;
    void setCurrentColor(ColorRef c);
    // Channel 0, 1 or 2 of the single entry in units of the precision, or -1 without one.
    int channel(int j) const;
    // Steps the channels of mask (1 red, 2 green, 4 blue) of every selected entry by delta units of
    // the precision, or by delta pages.
    void adjust(int mask, int delta, bool page);
    // The index of the palette's precision in precisions, or -1 when it is another.
    int precisionIndex() const;
    void setPrecisionIndex(int k);
    // Ramps the colours between the lowest and the highest selected entry.
    void gradation();
    // The palette as it was when the dialog opened.
    void restoreOpening();
    // The colours changed from outside (a paste, a tone): the single-entry aspects follow.
    void colorsChanged();

    using MultiColorSelectionModel::changed;
    void changed() override;
    void* valueFor(const Aspect* aspect) override;

    int dragThreshold() const override { return dragStart; }
    // Ctrl copies the colours, otherwise they move; the selection follows them.
    void drop(int d, bool ctrl) override;

private:
    void notifySingle();

    PaletteModel& m_palette;
    PaletteModel::Snapshot m_opening;
};
