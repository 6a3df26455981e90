#pragma once

#include "framework/Timer.h"
#include "pixels/Region.h"

#include <optional>

class GraphicsContext;
class ImageView;

// The blinking frame round a view's selection. It is kept in zoomed image pixels (dots x zoom), so
// scrolling or moving the selection needs no rebuild and only a new shape or zoom makes it anew; it is drawn in invert
// mode while in its shown phase, and a blink redraws only its one-pixel band.
class SelectionOutline : public TimerTarget {
public:
    explicit SelectionOutline(ImageView& view) : m_view(view) {}

    // The selection changed to region (none: no selection).
    void setRegion(const Region* region);
    // The view's zoom may have changed: the frame is made anew only when it did.
    void followZoom();
    // Draws the frame over what clip (window pixels) shows, in its shown phase.
    void paint(GraphicsContext& gc, const Rect& clip) const;

    bool isShown() const { return m_shown; }
    bool isBlinking() const { return m_timer.isRunning(); }
    // How often the frame was made: a blink or a scroll must not make it again.
    int rebuildCount() const { return m_rebuilds; }
    // One blink: the other phase, drawn over the band alone.
    bool tick(Timer& timer) override;

private:
    void rebuild();
    // The same dots at another place: the frame moves with them instead of being made again.
    // False when region is no such move.
    bool moveBand(const Region& region);
    // Marks the parts of the band in view to be drawn again.
    void invalidateBand() const;
    // Window pixels = zoomed image pixels + shift.
    Point shift() const;

    ImageView& m_view;
    std::optional<Region> m_dots;
    Region m_band;
    int32_t m_zoom = 0;
    bool m_shown = true;
    int m_rebuilds = 0;
    Timer m_timer{this};
};
