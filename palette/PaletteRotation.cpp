#include "palette/PaletteRotation.h"

#include "core/Aspects.h"
#include "palette/ColorRotation.h"
#include "palette/PaletteModel.h"
#include "palette/RotationTimer.h"

#include <algorithm>

PaletteRotation::PaletteRotation(PaletteModel& palette, RotationTimer& timer)
    : MultiColorSelectionModel(&palette), m_palette(palette), m_timer(timer)
{
}

PaletteRotation::~PaletteRotation()
{
    stop();
}

int PaletteRotation::animation() const
{
    if (m_running)
        return 1;
    return count() < 2 ? -1 : 0;
}

void PaletteRotation::setAnimation(int value)
{
    if (value == 1)
        start();
    else
        stop();
}

void PaletteRotation::setDirection(int direction)
{
    bool backward = direction == 1;
    if (backward == m_backward)
        return;
    m_backward = backward;
    Model::changed(&aspects::PaletteRotation::Aspect::direction);
}

void PaletteRotation::setInterval(int interval)
{
    m_interval = std::clamp(interval, minInterval, maxInterval);
    // The step already scheduled was timed for the old period.
    if (m_running)
        scheduleNextStep();
    Model::changed(&aspects::PaletteRotation::Aspect::interval);
    Model::changed(&aspects::PaletteRotation::Aspect::intervalSpin);
}

void PaletteRotation::tick()
{
    if (!m_running)
        return;
    int64_t period = rotationPeriod(m_interval);
    int64_t steps = std::max<int64_t>(m_timer.now() - m_lastStep, 0) / period;
    if (steps > 0) {
        m_phase = advanceRotationPhase(m_phase, int(m_entries.size()), m_backward, steps);
        m_lastStep += steps * period;
        rotateColors(m_palette, m_entries, m_saved, m_phase);
    }
    scheduleNextStep();
}

void PaletteRotation::changed()
{
    stop();
    MultiColorSelectionModel::changed();
    Model::changed(&aspects::PaletteRotation::Aspect::animation);
}

void PaletteRotation::start()
{
    if (m_running || count() < 2)
        return;
    m_entries = entries();
    std::sort(m_entries.begin(), m_entries.end());
    m_saved.clear();
    for (int i : m_entries)
        m_saved.push_back(m_palette.colorAt(i));
    m_running = true;
    m_phase = 0;
    m_lastStep = m_timer.now();
    scheduleNextStep();
    Model::changed(&aspects::PaletteRotation::Aspect::animation);
}

void PaletteRotation::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_timer.cancel();
    rotateColors(m_palette, m_entries, m_saved, 0);
    Model::changed(&aspects::PaletteRotation::Aspect::animation);
}

void PaletteRotation::scheduleNextStep()
{
    int64_t sinceLastStep = std::max<int64_t>(m_timer.now() - m_lastStep, 0);
    m_timer.schedule(std::max<int64_t>(rotationPeriod(m_interval) - sinceLastStep, 0));
}
