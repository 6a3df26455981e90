#include "views/DirectionKeys.h"

#include "core/VirtualKey.h"

bool DirectionKeys::isDirection(uint32_t key)
{
    return key == keys::left || key == keys::right || key == keys::up || key == keys::down;
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
    auto held = [&](uint32_t key) { return trigger.key == key || m_held.count(key); };
    // Left and up win over right and down.
    Point direction{held(keys::left) ? -1 : held(keys::right) ? 1 : 0, held(keys::up) ? -1 : held(keys::down) ? 1 : 0};
    m_step(direction, trigger);
}
