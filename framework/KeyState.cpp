#include "framework/KeyState.h"

namespace
{
KeyStateService* g_keyState = nullptr;
}

KeyStateService* installKeyState(KeyStateService* service)
{
    KeyStateService* previous = g_keyState;
    g_keyState = service;
    return previous;
}

bool capsLockOn()
{
    return g_keyState && g_keyState->capsLock();
}
