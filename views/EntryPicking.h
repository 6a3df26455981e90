#pragma once

#include "palette/PaletteModel.h"
#include "views/ColorPicker.h"

#include <functional>

// A palette dialog's share of the colour picker while it is open: the entry of each dot picked in
// the picture goes to take, with whether Shift was held.
class EntryPicking final : public ColorPickerTarget {
public:
    using Take = std::function<void(int entry, bool second)>;

    EntryPicking(ColorPicker& picker, const PaletteModel& palette, Take take)
        : m_picker(picker), m_palette(palette), m_take(std::move(take))
    {
        m_picker.setTarget(this);
    }
    ~EntryPicking() { m_picker.setTarget(nullptr); }
    EntryPicking(const EntryPicking&) = delete;
    EntryPicking& operator=(const EntryPicking&) = delete;

    void picked(ColorRef color, bool second) override { m_take(m_palette.indexOfColorRef(color), second); }

private:
    ColorPicker& m_picker;
    const PaletteModel& m_palette;
    Take m_take;
};
