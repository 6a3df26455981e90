#include "framework/KeyMap.h"

#include "resources/VirtualKey.h"

#include <Qt>

uint32_t keyNumber(int qtKey, bool keypad)
{
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keys::numpad(qtKey - Qt::Key_0);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return uint32_t(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return keys::function(qtKey - Qt::Key_F1 + 1);
    switch (qtKey) {
    case Qt::Key_Backspace: return keys::back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return keys::tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::enter;
    case Qt::Key_Shift: return keys::shift;
    case Qt::Key_Control: return keys::control;
    case Qt::Key_Alt: return keys::alt;
    case Qt::Key_Escape: return keys::escape;
    case Qt::Key_Space: return keys::space;
    case Qt::Key_PageUp: return keys::pageUp;
    case Qt::Key_PageDown: return keys::pageDown;
    case Qt::Key_End: return keys::end;
    case Qt::Key_Home: return keys::home;
    case Qt::Key_Left: return keys::left;
    case Qt::Key_Up: return keys::up;
    case Qt::Key_Right: return keys::right;
    case Qt::Key_Down: return keys::down;
    case Qt::Key_Insert: return keys::insert;
    case Qt::Key_Delete: return keys::del;
    default: return 0;
    }
}

uint32_t dialogKeyNumber(int qtKey, bool keypad)
{
    if (keypad) {
        // The keypad's keys with Num Lock off, in the order of the digits they carry.
        static constexpr int digits[] = {Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
                                         Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};
        for (int n = 0; n < 10; ++n)
            if (qtKey == digits[n])
                return keys::numpad(n);
    }
    return keyNumber(qtKey, keypad);
}
