#pragma once

#include "core/Geometry.h"
#include "framework/Controllers.h"

#include <functional>
#include <optional>

class GraphicsContext;
class ToolEnvironment;

// Which edges of a frame a handle moves on each axis: -1 the left (or top) one, +1 the right (or
// bottom) one, 0 neither. The corners move two edges, the middles of the sides one.
struct FrameHandle {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const FrameHandle&, const FrameHandle&) = default;
};

// A rectangle of dots shown over the view with a handle on each corner and on the middle of each
// side; dragging a handle moves the edges it holds. Cropping uses it, and so do rotating and
// scaling with the mouse, each with its own rule for where the dragged edges go.
class AdjustableFrame {
public:
    // The side of a handle's square, in window pixels.
    static constexpr int32_t handleSize = 7;
    // Where the frame goes while handle is dragged from start with the pointer at the dot-grid
    // corner `corner` (and the keys of the pointer event).
    using Rule = std::function<Rect(const Rect& start, FrameHandle handle, Point corner, const Visual::MouseEvent&)>;

    explicit AdjustableFrame(ToolEnvironment& view) : m_view(view) {}

    const std::optional<Rect>& rect() const { return m_rect; }
    // Shows the frame at dots, or takes it away.
    void set(std::optional<Rect> dots);
    bool isDragging() const { return m_dragging; }
    // The handle whose square holds the window pixel, if any.
    std::optional<FrameHandle> handleAt(Point pixel) const;
    // Drags handle from press until the release; the frame follows the pointer by rule.
    void drag(FrameHandle handle, const Visual::MouseEvent& press, Rule rule);
    void paint(GraphicsContext& gc) const;

    // The square of handle on a frame shown at the window rectangle shown.
    static Rect handleSquare(const Rect& shown, FrameHandle handle);
    // The handle under pixel on a frame shown at shown; corners win where squares overlap.
    static std::optional<FrameHandle> handleAt(const Rect& shown, Point pixel);
    // The plain rule: the held edges go to corner but keep at least minimum dots between them.
    static Rect adjusted(const Rect& frame, FrameHandle handle, Point corner, Point minimum);

private:
    friend class FrameTracker;

    Rect shownArea() const;

    ToolEnvironment& m_view;
    std::optional<Rect> m_rect;
    bool m_dragging = false;
};
