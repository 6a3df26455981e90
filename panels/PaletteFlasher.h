#pragma once

#include "base/Color.h"
#include "core/Dependent.h"
#include "framework/Controllers.h"
#include "panels/ModelFollower.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class ColorSelectionModel;
class PaletteModel;
namespace Visual {
class Component;
}

// Press-and-hold blinking: once a press has been held for the double-click time, the entries turn
// black, back, white and back every 50 ms, so the picture shows where their colours are used. The
// palette always ends as it began: on release, on any other way out of the gesture, and when the
// flasher goes; blinking only ever calls the palette's changed, which neither marks the document
// modified nor reaches the undo record.
class PaletteFlasher : public Visual::Tracker, public Dependent {
public:
    // What keeps the press going: in dialogs the left button with the pointer within 2 pixels of
    // the press until blinking starts; in the panels either button, wherever the pointer goes.
    enum class Hold { stillLeft, anyButton };
    // Runs at the end of the gesture: whether it blinked, and the last pointer state.
    using Outcome = std::function<void(bool blinked, const Visual::MouseEvent& last)>;

    static constexpr int phaseTime = 50;
    static constexpr int stillSlack = 2;
    static constexpr int tick = 10;

    // Holds the press on component with the entries to blink; with no entries (or no palette)
    // nothing blinks and outcome runs at once. A full update of stopper (the panel's model when it
    // is given another document) stops the blinking at once.
    static void hold(Visual::Component& component, const Visual::MouseEvent& press, PaletteModel* palette,
                     std::vector<int> entries, Hold hold, Outcome outcome, Model* stopper = nullptr);
    // The selected entries, 255 down to 0.
    static std::vector<int> selectedEntries(const ColorSelectionModel& selection);

    PaletteFlasher(PaletteModel& palette, std::vector<int> entries, Hold hold, Outcome outcome);
    ~PaletteFlasher() override;

    bool isBlinking() const { return m_blinking; }
    // Restores the palette and lets it go; the gesture ends with the next pointer event.
    void stop();
    void stopOn(Model& stopper) { m_stopper.follow(&stopper); }

    void sample(const Visual::MouseEvent& state) override { m_last = state; }
    void begin() override;
    bool continues() const override;
    void step() override;
    void end() override;
    int idleInterval() const override { return tick; }

    void afterModelReleased() override { m_palette = nullptr; }

private:
    void paint(ColorRef color);
    void restore();

    PaletteModel* m_palette;
    ModelFollower m_stopper{[this](const Aspect* aspect) {
        if (!aspect)
            stop();
    }};
    std::vector<int> m_entries;
    Hold m_hold;
    Outcome m_outcome;
    Visual::MouseEvent m_last{};
    Point m_pressAt;
    int64_t m_pressTime = 0;
    int64_t m_phaseTime = 0;
    bool m_blinking = false;
    // The palette shows black or white now, not its own colours.
    bool m_altered = false;
    int m_phase = 0;
    std::array<ColorRef, 256> m_saved{};
};
