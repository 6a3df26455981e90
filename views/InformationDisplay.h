#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <cstdint>

class EditView;

// The information panel as the edit view and its tools fill it: a stack of sub-panels, shown and
// hidden by index, each written only while it is shown and a document is bound.
class InformationDisplay {
public:
    enum Sub { position, selection, rotation, scale, footprint, color, subCount };
    // A set of sub-panels, one bit each.
    using Subs = uint32_t;
    static constexpr Subs bit(Sub sub) { return Subs(1) << sub; }

    // Showing a hidden sub-panel lays the stack out again and clears its fields.
    virtual void showSub(Sub sub) = 0;
    virtual void hideSub(Sub sub) = 0;
    virtual bool isSubShown(Sub sub) const = 0;
    virtual void hideAll() = 0;
    // Follows view (null: none): hides all but the position and has the view fill in the rest.
    virtual void rebind(EditView* view) = 0;

    // The dot under the pointer.
    virtual void showPosition(Point dot) = 0;
    virtual void showSelection(Point origin, Point size) = 0;
    void showSelection(const Rect& r) { showSelection({r.left, r.top}, {r.width(), r.height()}); }
    virtual void showRotation(double radians) = 0;
    // The transformed rectangle against the one it started from.
    virtual void showScale(const Rect& before, const Rect& after) = 0;
    // The Draw tool's square's top-left dot.
    virtual void showFootprint(Point dot) = 0;
    virtual void showColor(ColorRef color) = 0;

protected:
    ~InformationDisplay() = default;
};
