#include "panels/PaletteFlasher.h"

#include "framework/Clock.h"
#include "framework/Component.h"
#include "palette/ColorSelectionModel.h"
#include "palette/PaletteModel.h"

#include <cstdlib>
#include <memory>

void PaletteFlasher::hold(Visual::Component& component, const Visual::MouseEvent& press, PaletteModel* palette,
                          std::vector<int> entries, Hold hold, Outcome outcome, Model* stopper)
{
    if (!palette || entries.empty()) {
        if (outcome)
            outcome(false, press);
        return;
    }
    auto flasher = std::make_unique<PaletteFlasher>(*palette, std::move(entries), hold, std::move(outcome));
    if (stopper)
        flasher->stopOn(*stopper);
    component.track(std::move(flasher), press);
}

std::vector<int> PaletteFlasher::selectedEntries(const ColorSelectionModel& selection)
{
    std::vector<int> entries;
    for (int i = PaletteModel::size - 1; i >= 0; --i)
        if (selection.includes(i))
            entries.push_back(i);
    return entries;
}

PaletteFlasher::PaletteFlasher(PaletteModel& palette, std::vector<int> entries, Hold hold, Outcome outcome)
    : m_palette(&palette), m_entries(std::move(entries)), m_hold(hold), m_outcome(std::move(outcome))
{
    // Following the palette tells the flasher when it goes, with its document, mid-gesture.
    setModel(&palette);
}

PaletteFlasher::~PaletteFlasher()
{
    restore();
}

void PaletteFlasher::stop()
{
    restore();
    m_palette = nullptr;
    setModel(nullptr);
}

void PaletteFlasher::begin()
{
    m_pressAt = m_last.at;
    m_pressTime = Clock::current().now();
}

bool PaletteFlasher::continues() const
{
    if (!m_palette)
        return false;
    if (m_hold == Hold::anyButton)
        return m_last.leftButton || m_last.rightButton;
    if (m_blinking)
        return m_last.leftButton;
    return m_last.leftButton && std::abs(m_last.at.x - m_pressAt.x) <= stillSlack &&
           std::abs(m_last.at.y - m_pressAt.y) <= stillSlack;
}

void PaletteFlasher::step()
{
    int64_t now = Clock::current().now();
    if (!m_blinking) {
        if (now - m_pressTime < Clock::doubleClickTime())
            return;
        for (int i = 0; i < PaletteModel::size; ++i)
            m_saved[size_t(i)] = m_palette->colorAt(i);
        m_blinking = true;
        m_phaseTime = now;
        return;
    }
    if (now - m_phaseTime < phaseTime)
        return;
    m_phaseTime = now;
    m_phase = (m_phase + 1) % 5;
    if (m_phase == 1)
        paint(rgb(0, 0, 0));
    else if (m_phase == 3)
        paint(rgb(255, 255, 255));
    else if (m_phase != 0)
        restore();
}

void PaletteFlasher::end()
{
    restore();
    // The outcome may start the next gesture of the press; it must not find this one's state.
    Outcome outcome = std::move(m_outcome);
    if (outcome)
        outcome(m_blinking, m_last);
}

void PaletteFlasher::paint(ColorRef color)
{
    for (int entry : m_entries)
        m_palette->setColorAt(entry, color);
    m_altered = true;
    m_palette->changed();
}

void PaletteFlasher::restore()
{
    if (!m_altered || !m_palette)
        return;
    m_altered = false;
    for (int i = 0; i < PaletteModel::size; ++i)
        m_palette->setColorAt(i, m_saved[size_t(i)]);
    m_palette->changed();
}
