#pragma once

#include "core/Model.h"
#include "palette/PaletteModel.h"
#include "palette/ToneShift.h"

class PaletteEdit;

// The colour tone dialog's model: a hue shift and saturation and value factors applied to the
// selected entries of a palette edit, always from the colours they had when the dialog opened, so
// that moving a slider back and forth gives back the same colours.
class ColorModulator : public Model {
public:
    explicit ColorModulator(PaletteEdit& target);

    const ToneFactors& factors() const { return m_factors; }
    // Each setter applies the tone and notifies its aspect when the value changes.
    void setHueShift(int quarterDegrees);
    void setSaturationFactor(int factor);
    void setValueFactor(int factor);
    // The colours as the dialog found them.
    void restore();

private:
    void apply(const Aspect& aspect);

    PaletteEdit& m_target;
    PaletteModel::Snapshot m_toneSnapshot;
    ToneFactors m_factors;
};
