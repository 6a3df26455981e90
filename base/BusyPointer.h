#pragma once

// The wait pointer shown around long operations. The platform side is installed at start-up.
class BusyPointerService {
public:
    virtual void showWait() = 0;
    virtual void restore() = 0;
    // Drops the mouse and keyboard input queued while the program was busy.
    virtual void discardInput() = 0;

protected:
    ~BusyPointerService() = default;
};

// Installs service (null for none) and answers the one it replaces.
BusyPointerService* installBusyPointerService(BusyPointerService* service);

// A nesting counter: the first beginBusy shows the wait pointer, the last endBusy restores the pointer
// and discards the input queued meanwhile.
void beginBusy();
void endBusy();
int busyDepth();

// Shows the wait pointer for the life of the object, whichever way the scope is left.
class BusyScope {
public:
    BusyScope() { beginBusy(); }
    ~BusyScope() { endBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};
