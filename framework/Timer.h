#pragma once

#include <cstdint>

class Timer;

// What a callback timer calls on every tick; answering true stops the timer.
class TimerTarget {
public:
    virtual bool tick(Timer& timer) = 0;

protected:
    ~TimerTarget() = default;
};

// A repeating timer on the user-interface thread. Only running timers are registered, in one
// process-wide list; each tick runs under a callback guard.
class Timer {
public:
    explicit Timer(TimerTarget* target = nullptr) : m_target(target) {}
    virtual ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Coarse timers may fire a few per cent late, which suits blinking; precise ones keep to the
    // millisecond, for steps that must follow a clock.
    enum class Precision { coarse, precise };

    // (Re)starts the timer; false when the platform gives no timer. A target may restart its timer
    // from its tick, to schedule the next one.
    bool start(int intervalMs, Precision precision = Precision::coarse);
    void stop();
    bool isRunning() const { return m_id != 0; }

    // One tick: the callback form asks its target and stops when the target says so.
    virtual void fire();

    static uint32_t runningCount();
    // Delivers a tick for a native timer id, as the platform does; an id no running timer owns is
    // killed. Answers whether a timer fired.
    static bool deliver(int id);

private:
    TimerTarget* m_target;
    int m_id = 0;
};
