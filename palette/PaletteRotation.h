#pragma once

#include "base/Color.h"
#include "palette/MultiColorSelectionModel.h"

#include <cstdint>
#include <vector>

class RotationTimer;

// The palette rotation dialog's model: the selected entries' colours take turns on a timer, each step
// moving every colour to the next entry (forward) or the one before (backward), the ends wrapping.
// Stopping, a change of the selection and the model's end all give the entries their colours back,
// so a rotation never leaves a change in the palette.
class PaletteRotation : public MultiColorSelectionModel {
public:
    static constexpr int minInterval = 1;
    static constexpr int maxInterval = 99;

    PaletteRotation(PaletteModel& palette, RotationTimer& timer);
    ~PaletteRotation() override;
    PaletteRotation(const PaletteRotation&) = delete;
    PaletteRotation& operator=(const PaletteRotation&) = delete;

    // -1 while fewer than two entries are selected, else 1 running or 0 stopped.
    int animation() const;
    // 1 starts the rotation of the selected entries (two at least); any other value stops it.
    void setAnimation(int value);
    bool isRunning() const { return m_running; }
    // 0 forward, 1 backward; a change takes effect at the next step.
    int direction() const { return m_backward ? 1 : 0; }
    void setDirection(int direction);
    // The time between steps in sixtieths of a second, kept within minInterval and maxInterval.
    int interval() const { return m_interval; }
    void setInterval(int interval);
    // The interval's up-down counts from 0.
    int intervalSpin() const { return m_interval - 1; }
    void setIntervalSpin(int value) { setInterval(value + 1); }
    int phase() const { return m_phase; }

    // The timer's call: takes a step for each whole period since the last one, so that missed periods
    // are caught up, shows the colours and schedules the next step.
    void tick();

    using MultiColorSelectionModel::changed;
    // Any change of the selection stops a running rotation.
    void changed() override;

private:
    void start();
    void stop();
    void scheduleNextStep();

    PaletteModel& m_palette;
    RotationTimer& m_timer;
    bool m_running = false;
    bool m_backward = false;
    int m_interval = minInterval;
    int m_phase = 0;
    int64_t m_lastStep = 0;
    // Fixed at the start: the rotated entries ascending, and their colours then.
    std::vector<int> m_entries;
    std::vector<ColorRef> m_saved;
};
