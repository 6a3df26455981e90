#include "views/tools/BorderColorsDialog.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "framework/DialogControl.h"
#include "palette/MultiColorSelectionModel.h"
#include "panels/PaletteGridDialog.h"
#include "views/ColorPicker.h"

#include <vector>

namespace {

constexpr int resetButtonId = 100;

// The picture's dots picked while the dialog is open join the grid's selection.
class BorderPicking : public ColorPickerTarget {
public:
    BorderPicking(ColorPicker& picker, ColorSelectionModel& selection, const PaletteModel& palette)
        : m_picker(picker), m_selection(selection), m_palette(palette)
    {
        m_picker.setTarget(this);
    }
    ~BorderPicking() { m_picker.setTarget(nullptr); }
    BorderPicking(const BorderPicking&) = delete;
    BorderPicking& operator=(const BorderPicking&) = delete;

    void picked(ColorRef color, bool) override { m_selection.add(m_palette.indexOfColorRef(color)); }

private:
    ColorPicker& m_picker;
    ColorSelectionModel& m_selection;
    const PaletteModel& m_palette;
};

} // namespace

bool runBorderColorsDialog(BitmapDocument& document, ColorPicker& picker)
{
    BitmapPalette* palette = document.palette();
    if (!palette || document.isFullColor())
        return false;
    MultiColorSelectionModel selection(palette);
    for (uint8_t index : document.borderColors())
        selection.add(index);
    {
        PaletteGridDialog dialog("BORDER_COLORS_DIALOG", selection, true);
        dialog.control(resetButtonId)->onClicked([&selection] { selection.clear(); });
        BorderPicking picking(picker, selection, *palette);
        dialog.leaveOpenToMouse(picker.pickingWindow());
        if (dialog.runModal() != okButtonId)
            return false;
    }
    std::vector<uint8_t> chosen;
    for (int k = 0; k < selection.count(); ++k)
        chosen.push_back(uint8_t(selection.at(k)));
    document.setBorderColors(std::move(chosen));
    return true;
}
