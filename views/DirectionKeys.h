#pragma once

#include "core/Geometry.h"
#include "framework/Controllers.h"
#include "framework/Timer.h"

#include <functional>
#include <optional>
#include <set>

// The arrow keys and the keypad's digits around 5, with a short chord window: the first press waits 80 ms (or until
// another key goes down, or it comes up) so that two keys pressed together give one diagonal step.
class DirectionKeys : public TimerTarget {
public:
    static constexpr int chordMs = 80;
    // direction: x and y each -1, 0 or +1; trigger: the key event that made the step.
    using Step = std::function<void(Point direction, const Visual::KeyEvent& trigger)>;

    explicit DirectionKeys(Step step) : m_step(std::move(step)) {}

    static bool isDirection(uint32_t key);
    // Answers whether the event was a direction key's.
    bool keyDown(const Visual::KeyEvent& event);
    bool keyUp(const Visual::KeyEvent& event);
    bool isHeld(uint32_t key) const { return m_held.count(key) != 0; }

    bool tick(Timer& timer) override;

private:
    void fire(const Visual::KeyEvent& trigger);

    Step m_step;
    std::set<uint32_t> m_held;
    std::optional<Visual::KeyEvent> m_pending;
    Timer m_timer{this};
};
