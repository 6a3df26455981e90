#include "palette/ColorModulator.h"

#include "core/Aspects.h"
#include "palette/PaletteEdit.h"

ColorModulator::ColorModulator(PaletteEdit& target)
    : m_target(target), m_toneSnapshot(target.colors().snapshot().value_or(PaletteModel::Snapshot{}))
{
}

void ColorModulator::setHueShift(int quarterDegrees)
{
    if (quarterDegrees == m_factors.hueShift)
        return;
    m_factors.hueShift = quarterDegrees;
    apply(aspects::ColorModulator::Aspect::hue);
}

void ColorModulator::setSaturationFactor(int factor)
{
    if (factor == m_factors.saturationFactor)
        return;
    m_factors.saturationFactor = factor;
    apply(aspects::ColorModulator::Aspect::saturation);
}

void ColorModulator::setValueFactor(int factor)
{
    if (factor == m_factors.valueFactor)
        return;
    m_factors.valueFactor = factor;
    apply(aspects::ColorModulator::Aspect::value);
}

void ColorModulator::restore()
{
    m_target.colors().restore(m_toneSnapshot);
    m_target.colorsChanged();
}

void ColorModulator::apply(const Aspect& aspect)
{
    applyTone(m_target.colors(), m_toneSnapshot, m_target.entries(), m_factors);
    m_target.colorsChanged();
    changed(&aspect);
}
