#include "framework/KeyState.h"

#include "base/ServiceSlot.h"

namespace {
ServiceSlot<KeyStateService> g_keyState;
}

KeyStateService* installKeyState(KeyStateService* service)
{
    return g_keyState.install(service);
}

bool capsLockOn()
{
    return g_keyState && g_keyState->capsLock();
}
