#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <string>

// Pointer and key input as a component's controllers receive it, with the modifier keys and buttons
// held when it happened.
namespace Visual {

struct MouseEvent {
    enum Kind { leftDown, leftUp, leftDouble, rightDown, rightUp, rightDouble, move, wheel };
    Kind kind;
    Point at;
    bool shift = false;
    bool control = false;
    bool leftButton = false;
    bool rightButton = false;
    // For wheel: how far the wheel turned, in 120ths of a notch on each axis; positive y is away
    // from the user, positive x to the right.
    Point turn;
};

struct KeyEvent {
    // down: the first press, with its repeat count; repeat: auto-repeat; up: release of a key that
    // was seen down; character: the text a key typed.
    enum Kind { down, repeat, up, character };
    Kind kind;
    uint32_t key = 0;
    int repeatCount = 1;
    std::string text;
    bool shift = false;
    bool control = false;
};

// The controller a component names for Visual::Component::waitingController.
class MouseController {
public:
    virtual void mouseEvent(const MouseEvent& event) = 0;

protected:
    ~MouseController() = default;
};

// The controller a component names for Visual::Component::focusedController.
class KeyController {
public:
    virtual void keyEvent(const KeyEvent& event) = 0;

protected:
    ~KeyController() = default;
};

// A mouse gesture, run from a press: sample, begin, sample, then step and sample again for as long
// as it continues, and end. Pointer events drive the steps.
class Tracker {
public:
    virtual ~Tracker() = default;
    // Where the pointer is and which buttons are down, now.
    virtual void sample(const MouseEvent& state) = 0;
    virtual void begin() = 0;
    // Whether the gesture goes on after the last sample; by default while the button that started
    // it is held.
    virtual bool continues() const = 0;
    virtual void step() = 0;
    virtual void end() = 0;
    // How often, in milliseconds, the gesture also steps while the pointer stands still (the last
    // pointer state is sampled again first); 0 steps on pointer events only.
    virtual int idleInterval() const { return 0; }
};

} // namespace Visual
