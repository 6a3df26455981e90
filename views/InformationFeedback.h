#pragma once

#include "core/Color.h"
#include "core/Geometry.h"

#include <optional>

// What the edit view reports to the information panel as the pointer moves and the tools work.
// Nothing is reported while no panel listens.
class InformationFeedback {
public:
    // The dot under the pointer, or nothing when the pointer is off the picture.
    virtual void showPosition(std::optional<Point> dot) = 0;
    // The colour the eyedropper would pick, or nothing to hide it.
    virtual void showColor(std::optional<ColorRef> color) = 0;
    // The Draw tool's square, or nothing to hide it.
    virtual void showFootprint(std::optional<Rect> square) = 0;
    // The selection's origin and size (while a tool drags one, the rectangle dragged), or nothing
    // to hide them.
    virtual void showSelection(std::optional<Rect> selection) = 0;

protected:
    ~InformationFeedback() = default;
};
