#pragma once

#include <cstdint>

// Milliseconds on a steady clock. Gestures that wait for time (press-and-hold) read it here, so
// that tests can install a clock they advance by hand.
class Clock {
public:
    virtual int64_t now() const = 0;

    // The clock in use: the system's, unless a test installed another.
    static const Clock& current();
    // Installs clock (null: the system's again) and answers the one it replaces.
    static const Clock* install(const Clock* clock);

    // The desktop's double-click time, in milliseconds.
    static int doubleClickTime();

protected:
    ~Clock() = default;
};

// A clock that stands still until the test moves it.
class TestClock : public Clock {
public:
    int64_t now() const override { return m_now; }
    void advance(int64_t ms) { m_now += ms; }

private:
    int64_t m_now = 0;
};
