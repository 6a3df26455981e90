#pragma once

// The lock keys' state, which key events do not carry. The editor installs the desktop's at start-up
// and tests a scripted one; with none installed every lock reads off.
class KeyStateService {
public:
    // Whether Caps Lock is toggled on.
    virtual bool capsLock() const = 0;

protected:
    ~KeyStateService() = default;
};

// Installs service (null for none) and answers the one it replaces.
KeyStateService* installKeyState(KeyStateService* service);
bool capsLockOn();
