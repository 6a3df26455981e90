#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <string>

class DialogControl;
class Window;

// Input made by the program itself, delivered as the platform delivers a user's: for tests that
// drive windows without a person, and for replaying keys.
namespace syntheticInput {

// A modifier bit beside Accelerator's for the key presses below: the key comes from the keypad, as
// keypad 0 with Num Lock off comes as keys::insert. The keypad's digits carry it of themselves.
constexpr uint8_t keypad = 8;

// A key press and release on window: a key number of resources/VirtualKey.h with Accelerator modifiers,
// and the text it types. Key 0 is the key that types text's first character.
void pressKey(Window& window, uint32_t key, uint8_t modifiers, const std::string& text = "");
// The same press and release where the keyboard focus is, as the platform sends typed keys.
void pressKeyWhereFocused(uint32_t key, uint8_t modifiers, const std::string& text = "");
// The same press and release on a dialog's control (on the component inside a component control), as
// typing reaches it while it has the focus in the active dialog.
void pressKey(DialogControl& control, uint32_t key, uint8_t modifiers, const std::string& text = "");

// Pointer events on a component at p (in its coordinates), with Accelerator modifiers.
enum class Button { left, right };
void pressMouse(Window& window, Point p, Button button, uint8_t modifiers = 0);
void moveMouse(Window& window, Point p, bool buttonHeld, Button button = Button::left, uint8_t modifiers = 0);
void releaseMouse(Window& window, Point p, Button button, uint8_t modifiers = 0);
// The second press of a double click, which comes instead of a plain press.
void doubleClickMouse(Window& window, Point p, Button button, uint8_t modifiers = 0);
// The window manager's request to maximise a top-level window, as its title bar's button sends it.
void requestMaximise(Window& window);
// A turn of the wheel with the pointer at p, in 120ths of a notch (positive y away from the user).
void turnWheel(Window& window, Point p, Point turn, uint8_t modifiers = 0);
// The same turn with the pointer over the middle of a dialog's control.
void turnWheel(DialogControl& control, Point turn, uint8_t modifiers = 0);

} // namespace syntheticInput
