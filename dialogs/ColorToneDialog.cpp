#include "dialogs/ColorToneDialog.h"

#include "framework/Dialog.h"
#include "palette/ColorModulator.h"
#include "palette/PaletteEdit.h"

namespace {

constexpr int hueSlider = 100;
constexpr int saturationSlider = 101;
constexpr int valueSlider = 102;

} // namespace

void runColorToneDialog(PaletteEdit& edit)
{
    if (edit.count() == 0)
        return;
    ColorModulator modulator(edit);
    Dialog dialog("COLOR_TONE_DIALOG");
    DialogControl& hue = *dialog.control(hueSlider);
    hue.setRange(0, 1440, 40);
    hue.setPosition(huePosition(modulator.factors().hueShift));
    hue.onMoved([&modulator](int position) { modulator.setHueShift(hueShiftAt(position)); });
    DialogControl& saturation = *dialog.control(saturationSlider);
    saturation.setRange(0, 512, 32);
    saturation.setPosition(factorPosition(modulator.factors().saturationFactor));
    saturation.onMoved([&modulator](int position) { modulator.setSaturationFactor(factorAt(position)); });
    DialogControl& value = *dialog.control(valueSlider);
    value.setRange(0, 512, 32);
    value.setPosition(factorPosition(modulator.factors().valueFactor));
    value.onMoved([&modulator](int position) { modulator.setValueFactor(factorAt(position)); });
    if (dialog.runModal() != okButtonId)
        modulator.restore();
}
