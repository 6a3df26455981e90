#pragma once

#include "core/Geometry.h"
#include "framework/Controllers.h"

#include <functional>
#include <optional>

class GraphicsContext;
class ToolEnvironment;

// A press starts a drag only once the pointer leaves this many window pixels around it, so that a
// click with a shaking hand stays a click.
constexpr int32_t dragThreshold = 3;
bool leftStartBox(Point press, Point pointer);

// The rectangle of a rubber band pressed on dot press with the pointer over dot current: whole units
// from the press's unit to the pointer's, both included. Square keeps the corner at the press and
// makes both sides the smaller one; centred spreads the band round the press's unit.
Rect bandRect(Point press, Point current, Point unit, bool square, bool centred);

// A frame over the view that shows a rectangle of dots while it is dragged, drawn inverted so that
// the picture under it stays readable.
class BandFeedback {
public:
    explicit BandFeedback(ToolEnvironment& view) : m_view(view) {}
    void show(std::optional<Rect> dots);
    void paint(GraphicsContext& gc) const;

private:
    ToolEnvironment& m_view;
    std::optional<Rect> m_dots;
};

// Drags a rubber band from a press until the release, reporting the rectangle to the information
// panel on the way, and hands the result (nothing for a click) to done.
class RubberBandTracker : public Visual::Tracker {
public:
    using Done = std::function<void(std::optional<Rect>)>;
    RubberBandTracker(ToolEnvironment& view, BandFeedback& feedback, Done done);

    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override;
    bool continues() const override { return m_state.leftButton; }
    void step() override;
    void end() override;

private:
    ToolEnvironment& m_view;
    BandFeedback& m_feedback;
    Done m_done;
    Visual::MouseEvent m_state{};
    Point m_pressPixel;
    Point m_pressDot;
    std::optional<Rect> m_band;
};
