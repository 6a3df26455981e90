#pragma once

// A palette dialog that moves its selected block of colours by dragging it in the grid. The grid
// offers it every press that blinking left alone and runs the drag; a release before the drag
// began is an ordinary click.
class ColorDragger {
public:
    // How many pixels the pointer must move from the press, either way, before the block follows
    // it; 0 drags at once.
    virtual int dragThreshold() const = 0;
    // The block was dropped d = columns + 16 x rows further on, never 0; ctrl as at the press.
    virtual void drop(int d, bool ctrl) = 0;

protected:
    ~ColorDragger() = default;
};
