#include "views/DirectionKeys.h"

#include "resources/VirtualKey.h"

#include <initializer_list>

namespace {

// The keypad's 1 to 9 without 5 point the way they sit around it.
bool points(uint32_t key, uint32_t arrow, std::initializer_list<int> keypad)
{
    if (key == arrow)
        return true;
    for (int n : keypad)
        if (key == keys::numpad(n))
            return true;
    return false;
}

bool pointsLeft(uint32_t key)
{
    return points(key, keys::left, {1, 4, 7});
}

bool pointsRight(uint32_t key)
{
    return points(key, keys::right, {3, 6, 9});
}

bool pointsUp(uint32_t key)
{
    return points(key, keys::up, {7, 8, 9});
}

bool pointsDown(uint32_t key)
{
    return points(key, keys::down, {1, 2, 3});
}

} // namespace

bool DirectionKeys::isDirection(uint32_t key)
{
    return pointsLeft(key) || pointsRight(key) || pointsUp(key) || pointsDown(key);
}

bool DirectionKeys::keyDown(const Visual::KeyEvent& event)
{
    if (!isDirection(event.key)) {
        // Any other key ends the wait first, so the step comes before what that key does.
        if (m_pending)
            fire(*m_pending);
        return false;
    }
    m_held.insert(event.key);
    if (m_pending || event.kind == Visual::KeyEvent::repeat) {
        fire(event);
        return true;
    }
    m_pending = event;
    m_timer.start(chordMs);
    return true;
}

bool DirectionKeys::keyUp(const Visual::KeyEvent& event)
{
    if (!isDirection(event.key))
        return false;
    if (m_pending && m_pending->key == event.key)
        fire(*m_pending);
    m_held.erase(event.key);
    return true;
}

bool DirectionKeys::tick(Timer&)
{
    if (m_pending)
        fire(*m_pending);
    return true;
}

void DirectionKeys::fire(const Visual::KeyEvent& trigger)
{
    m_timer.stop();
    m_pending.reset();
    auto any = [&](bool (*way)(uint32_t)) {
        if (way(trigger.key))
            return true;
        for (uint32_t key : m_held)
            if (way(key))
                return true;
        return false;
    };
    // Left and up win over right and down.
    Point direction{any(pointsLeft) ? -1 : any(pointsRight) ? 1 : 0, any(pointsUp) ? -1 : any(pointsDown) ? 1 : 0};
    m_step(direction, trigger);
}
