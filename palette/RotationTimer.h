#pragma once

#include <cstdint>

// The clock and the timer a palette rotation runs on. The dialog gives it the platform's; tests give
// it a clock they move by hand.
class RotationTimer {
public:
    // Milliseconds on a steady clock.
    virtual int64_t now() const = 0;
    // The next tick comes delayMs from now, replacing any tick already scheduled.
    virtual void schedule(int64_t delayMs) = 0;
    virtual void cancel() = 0;

protected:
    ~RotationTimer() = default;
};
