#pragma once

#include "app/DocumentIndicator.h"

// The tool box's colours: the background colour in the outer square, the drawing colour in an
// inner one inset by a quarter of the side. An indexed document's squares carry the colours' palette
// positions; a click in a full-colour document chooses the colour of the square it falls in.
// Without a document the outer square is white and the inner one black.
class ColorIndicator : public DocumentIndicator {
public:
    using DocumentIndicator::DocumentIndicator;

    Rect innerSquare() const;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;
    void clicked(Point at) override;

private:
    // The colour that color shows: an indexed document's palette entry.
    ColorRef colorOf(ColorRef color) const;
    // An indexed document's colour gets its palette position written at the bottom-left of box, in
    // black or white, whichever reads on shown.
    void labelSquare(GraphicsContext& gc, const Rect& box, ColorRef color, ColorRef shown) const;
};
