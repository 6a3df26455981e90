#pragma once

#include "framework/KeyState.h"

// The lock keys as a test sets them, installed for the life of the object.
class ScriptedKeyState : public KeyStateService
{
public:
    ScriptedKeyState() : m_previous(installKeyState(this)) {}
    ~ScriptedKeyState() { installKeyState(m_previous); }
    ScriptedKeyState(const ScriptedKeyState&) = delete;
    ScriptedKeyState& operator=(const ScriptedKeyState&) = delete;

    void setCapsLock(bool on) { m_capsLock = on; }
    bool capsLock() const override { return m_capsLock; }

private:
    bool m_capsLock = false;
    KeyStateService* m_previous;
};
