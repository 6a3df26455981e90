#pragma once

#include "core/Geometry.h"

class BitmapDocument;

// Where a canvas of newSize lies over a picture of oldSize, in the picture's coordinates, when the
// picture keeps its place at anchor: 0 to 8, row by row from the top-left. About a middle anchor the
// odd dot of a cut or an extension goes to the right or bottom.
Rect canvasRect(Point oldSize, Point newSize, int32_t anchor);

// The picture becomes rect of itself, in its own coordinates: a smaller rect cuts it, a larger one
// adds the background colour, and the animation frame is cut to it. A floating selection is dropped
// into the picture first; one Undo gives the old picture and frame back and a second one the new again.
void resizeCanvas(BitmapDocument& document, const Rect& rect);

// Opens a new untitled document holding rect of the picture with its palette and settings, the
// animation frame cut to the copy; the source stays as it was. Answers it, or null when it could not
// be made (already reported).
BitmapDocument* newDocumentFrom(const BitmapDocument& document, const Rect& rect);
