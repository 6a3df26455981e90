#pragma once

#include "core/Geometry.h"
#include "framework/Controllers.h"

#include <memory>
#include <optional>

class BitmapDocument;
class ColorPicker;
class InformationDisplay;
class MeshPlug;

// What a tool may touch of the edit view it works in: the document, the unit and the zoom, the
// mapping between window pixels and dots, redrawing, scrolling, gestures and the information panel.
class ToolEnvironment {
public:
    virtual BitmapDocument* document() const = 0;
    // (1, 1) in the Dot unit, the document's block size in the Block unit.
    virtual Point unitSize() const = 0;

    virtual int32_t zoom() const = 0;
    // Zooms so that centreDot comes to the middle of the view.
    virtual void setZoom(int32_t zoom, Point centreDot) = 0;
    virtual Point viewToDot(Point pixel) const = 0;
    virtual Point dotToView(Point dot) const = 0;
    virtual Rect dotsToView(const Rect& dots) const = 0;
    virtual Rect imageBounds() const = 0;

    // The dot at the view's top-left corner, how many dots it shows, and its size in pixels.
    virtual Point origin() const = 0;
    virtual Point viewDots() const = 0;
    virtual Point viewSize() const = 0;
    virtual Point visibleCentre() const = 0;
    virtual void scrollTo(Point origin) = 0;
    // The document's mesh, or null.
    virtual MeshPlug* mesh() const = 0;
    // Scrolls to the previous (direction -1) or next (+1) mesh cell from the one holding at, row
    // by row, and answers how far the view moved in dots.
    virtual Point stepMeshCell(Point at, int direction) = 0;

    // Marks window pixels to be drawn again.
    virtual void invalidate(const Rect& pixels) = 0;
    // Runs a gesture from a press until the button that started it comes up.
    virtual void track(std::unique_ptr<Visual::Tracker> tracker, const Visual::MouseEvent& press) = 0;
    // The information panel, or null while none listens.
    virtual InformationDisplay* information() const = 0;
    // The view's colour-picker mode: the dialog that takes picked colours instead of the document,
    // and the dialogs a tool opens that pick.
    virtual ColorPicker& colorPicker() = 0;
    // Whether Caps Lock is on, which turns some pointers into a precise cross.
    virtual bool capsLock() const = 0;
    // The platform's warning sound: a press where the tool can do nothing.
    virtual void beep() = 0;

protected:
    ~ToolEnvironment() = default;
};
