#include "framework/DesktopKeyState.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status, ...) would break Qt's headers, so it comes after them.
#include <X11/XKBlib.h>

bool DesktopKeyState::capsLock() const
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    XkbStateRec state;
    if (!display || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & LockMask) != 0;
}
