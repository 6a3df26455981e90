#pragma once

#include "base/Color.h"

class Window;

// Where a dialog that needs colours from the picture receives them: while it is the edit view's
// picker target (EditView::colorPicker), presses in the picture pick colours for it.
class ColorPickerTarget {
public:
    // The colour as the target wants it, from the picture's colour at a dot.
    virtual ColorRef convert(ColorRef color) { return color; }
    // second: picked with Shift.
    virtual void picked(ColorRef color, bool second) = 0;

protected:
    ~ColorPickerTarget() = default;
};

// The edit view's colour-picker mode, handed out for EditView::colorPicker.
class ColorPicker {
public:
    // A target starts the mode, null ends it.
    virtual void setTarget(ColorPickerTarget* target) = 0;
    virtual ColorPickerTarget* target() const = 0;
    // The window whose presses pick, which a picking dialog leaves open to the mouse; null when
    // there is none to leave open.
    virtual Window* pickingWindow() = 0;

protected:
    ~ColorPicker() = default;
};
