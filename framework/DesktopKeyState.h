#pragma once

#include "framework/KeyState.h"

// The lock keys as the X server's keyboard extension has them. Qt cannot tell; where there is no X
// display (offscreen, Wayland) every lock reads off.
class DesktopKeyState : public KeyStateService {
public:
    bool capsLock() const override;
};
