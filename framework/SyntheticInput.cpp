#include "framework/SyntheticInput.h"

#include "framework/DialogControl.h"
#include "framework/KeyMap.h"
#include "framework/Window.h"
#include "resources/Accelerators.h"
#include "resources/VirtualKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {

int qtKeyFor(uint32_t key)
{
    for (int candidate : {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt,
                          Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home,
                          Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Insert, Qt::Key_Delete})
        if (keyNumber(candidate) == key)
            return candidate;
    if (key >= keys::f1 && key < keys::f1 + 12)
        return Qt::Key_F1 + int(key - keys::f1);
    if (key >= keys::numpad0 && key <= keys::numpad(9))
        return Qt::Key_0 + int(key - keys::numpad0);
    return int(key);
}

} // namespace

namespace syntheticInput {

static_assert((keypad & (Accelerator::shift | Accelerator::control | Accelerator::alt)) == 0);

namespace {

Qt::KeyboardModifiers qtModifiersOf(uint8_t modifiers)
{
    Qt::KeyboardModifiers qtModifiers;
    if (modifiers & Accelerator::shift)
        qtModifiers |= Qt::ShiftModifier;
    if (modifiers & Accelerator::control)
        qtModifiers |= Qt::ControlModifier;
    if (modifiers & Accelerator::alt)
        qtModifiers |= Qt::AltModifier;
    return qtModifiers;
}

Qt::MouseButton qtButtonOf(Button button)
{
    return button == Button::left ? Qt::LeftButton : Qt::RightButton;
}

void sendMouse(Window& window, QEvent::Type type, Point p, Qt::MouseButton button, Qt::MouseButtons held,
               uint8_t modifiers)
{
    QPointF local(p.x, p.y);
    QMouseEvent event(type, local, window.handle()->mapToGlobal(local), button, held, qtModifiersOf(modifiers));
    QApplication::sendEvent(window.handle(), &event);
}

} // namespace

void pressMouse(Window& window, Point p, Button button, uint8_t modifiers)
{
    sendMouse(window, QEvent::MouseButtonPress, p, qtButtonOf(button), qtButtonOf(button), modifiers);
}

void moveMouse(Window& window, Point p, bool buttonHeld, Button button, uint8_t modifiers)
{
    sendMouse(window, QEvent::MouseMove, p, Qt::NoButton, buttonHeld ? qtButtonOf(button) : Qt::NoButton, modifiers);
}

void releaseMouse(Window& window, Point p, Button button, uint8_t modifiers)
{
    sendMouse(window, QEvent::MouseButtonRelease, p, qtButtonOf(button), Qt::NoButton, modifiers);
}

void doubleClickMouse(Window& window, Point p, Button button, uint8_t modifiers)
{
    sendMouse(window, QEvent::MouseButtonDblClick, p, qtButtonOf(button), qtButtonOf(button), modifiers);
}

void turnWheel(Window& window, Point p, Point turn, uint8_t modifiers)
{
    QPointF local(p.x, p.y);
    QWheelEvent event(local, window.handle()->mapToGlobal(local), QPoint(), QPoint(turn.x, turn.y), Qt::NoButton,
                      qtModifiersOf(modifiers), Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.handle(), &event);
}

void turnWheel(DialogControl& control, Point turn, uint8_t modifiers)
{
    QWidget* widget = control.m_widget;
    QPointF middle = QRectF(widget->rect()).center();
    QWheelEvent event(middle, widget->mapToGlobal(middle), QPoint(), QPoint(turn.x, turn.y), Qt::NoButton,
                      qtModifiersOf(modifiers), Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void requestMaximise(Window& window)
{
    window.handle()->setWindowState(window.handle()->windowState() | Qt::WindowMaximized);
}

namespace {

void sendKey(QWidget* target, uint32_t key, uint8_t modifiers, const std::string& text)
{
    Qt::KeyboardModifiers qtModifiers = qtModifiersOf(modifiers);
    if ((modifiers & keypad) || (key >= keys::numpad0 && key <= keys::numpad(9)))
        qtModifiers |= Qt::KeypadModifier;
    QString typed = QString::fromStdString(text);
    // A key without a number of its own (punctuation) is known by the character it types.
    int qtKey = key == 0 && !typed.isEmpty() ? typed.at(0).toUpper().unicode() : qtKeyFor(key);
    QKeyEvent press(QEvent::KeyPress, qtKey, qtModifiers, typed);
    QKeyEvent release(QEvent::KeyRelease, qtKey, qtModifiers, typed);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

} // namespace

void pressKey(Window& window, uint32_t key, uint8_t modifiers, const std::string& text)
{
    sendKey(window.handle(), key, modifiers, text);
}

void pressKeyWhereFocused(uint32_t key, uint8_t modifiers, const std::string& text)
{
    if (QWidget* focused = QApplication::focusWidget())
        sendKey(focused, key, modifiers, text);
}

void pressKey(DialogControl& control, uint32_t key, uint8_t modifiers, const std::string& text)
{
    sendKey(control.focusTarget(), key, modifiers, text);
}

} // namespace syntheticInput
