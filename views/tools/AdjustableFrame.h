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

// A rectangle of dots shown over the view with a handle on each corner and, unless asked for
// corners only, on the middle of each side; dragging a handle moves the edges it holds or turns
// the frame. Cropping uses it, and so do rotating and scaling with the mouse, each with its own
// rule for where a drag takes the frame.
class AdjustableFrame {
public:
    enum class Handles { cornersAndSides, corners };
    // The side of a handle's square, in window pixels.
    static constexpr int32_t handleSize = 7;
    // Where the frame goes while handle is dragged from start with the pointer at the dot-grid
    // corner `corner` (and the keys of the pointer event).
    using Rule = std::function<Rect(const Rect& start, FrameHandle handle, Point corner, const Visual::MouseEvent&)>;
    // How far the frame turns while a corner is dragged with the pointer at a window pixel.
    using TurnRule = std::function<double(FrameHandle corner, Point pixel)>;
    // Told each time a drag has moved or turned the frame.
    using Moved = std::function<void()>;

    explicit AdjustableFrame(ToolEnvironment& view, Handles handles = Handles::cornersAndSides)
        : m_view(view), m_handles(handles)
    {
    }

    // A mirrored rectangle shows as the one it spans.
    const std::optional<Rect>& rect() const { return m_rect; }
    // Shows the frame at dots, or takes it away.
    void set(std::optional<Rect> dots);
    // Radians, clockwise, about the frame's centre.
    double turn() const { return m_turn; }
    void setTurn(double angle);
    bool isDragging() const { return m_dragging; }
    // The handle whose square holds the window pixel, if any.
    std::optional<FrameHandle> handleAt(Point pixel) const;
    // Drags handle from press until the release; the frame follows the pointer by rule.
    void drag(FrameHandle handle, const Visual::MouseEvent& press, Rule rule, Moved moved);
    // Drags a corner from press until the release; the frame turns by rule.
    void dragTurn(FrameHandle corner, const Visual::MouseEvent& press, TurnRule rule, Moved moved);
    void paint(GraphicsContext& gc) const;

    // The square of handle on a frame shown at the window rectangle shown, turned by angle.
    static Rect handleSquare(const Rect& shown, FrameHandle handle, double angle = 0);
    // The handle under pixel on a frame shown at shown; corners win where squares overlap.
    static std::optional<FrameHandle> handleAt(const Rect& shown, Point pixel,
                                               Handles handles = Handles::cornersAndSides, double angle = 0);
    // The plain rule: the held edges go to corner but keep at least minimum dots between them.
    static Rect adjusted(const Rect& frame, FrameHandle handle, Point corner, Point minimum);

private:
    friend class FrameTracker;

    // The frame in window pixels, as it shows.
    Rect shown() const;
    Rect shownArea() const;
    void invalidateShown();
    void track(std::function<bool(const Visual::MouseEvent&)> follow, const Visual::MouseEvent& press, Moved moved);
    void paintTurned(GraphicsContext& gc, const Rect& shown) const;

    ToolEnvironment& m_view;
    Handles m_handles;
    std::optional<Rect> m_rect;
    double m_turn = 0;
    bool m_dragging = false;
};
