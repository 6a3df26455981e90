#pragma once

#include "core/Geometry.h"

// What a paste asks of the view of the window it is given in (answered for PasteView::access).
class PasteView {
public:
    virtual ~PasteView() = default;
    // The middle of the part of the picture the view shows, in dots.
    virtual Point pasteCentre() const = 0;
    // The unit a pasted picture's corner snaps to.
    virtual Point pasteUnit() const = 0;
};
