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

    // (Re)starts the timer; false when the platform gives no timer.
    bool start(int intervalMs);
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
