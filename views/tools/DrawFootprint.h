#pragma once

#include "core/Geometry.h"

#include <memory>

class BitmapDocument;
class DIBImage;

// The Draw tool's square of s x s dots: it moves in steps of its size, never past the picture's
// edges, picks up what lies under it (a colour, or a pattern it then holds) and stamps it back.
class DrawFootprint {
public:
    int32_t size() const { return m_size; }
    Point position() const { return m_position; }
    Rect rect() const { return Rect::fromSize(m_position, {m_size, m_size}); }
    bool holdsPattern() const { return m_pattern != nullptr; }

    // A new size drops the held pattern; the position snaps down to a multiple of it.
    void setSize(int32_t size, const Rect& picture);
    // Moves to p snapped down to a multiple of the size, within the picture.
    void moveTo(Point p, const Rect& picture);
    // Keeps the footprint whole inside the picture: its origin stays within [0, side - size].
    Point clamp(Point p, const Rect& picture) const;

    // Size 1 takes the colour under it as the drawing colour (or the background colour); larger
    // ones hold a copy of the dots under them, where dots past the picture's edge are background.
    void pickUp(BitmapDocument& document, bool background);
    // Pastes the held pattern, or fills the square with the drawing colour, clipped to the picture;
    // the dots it covers can be undone.
    void stamp(BitmapDocument& document);

private:
    int32_t m_size = 1;
    Point m_position;
    std::shared_ptr<DIBImage> m_pattern;
};
