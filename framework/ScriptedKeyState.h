#pragma once

#include "base/ScopedService.h"
#include "framework/KeyState.h"

// The lock keys as a test sets them, installed for the life of the object.
class ScriptedKeyState : public KeyStateService {
public:
    void setCapsLock(bool on) { m_capsLock = on; }
    bool capsLock() const override { return m_capsLock; }

private:
    bool m_capsLock = false;
    ScopedService<installKeyState> m_installed{this};
};
