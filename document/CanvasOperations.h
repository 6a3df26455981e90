#pragma once

#include "core/Geometry.h"

class BitmapDocument;

// The picture becomes rect of itself, in its own coordinates: a smaller rect cuts it, a larger one
// adds the background colour. A floating selection is dropped into the picture first; one Undo
// gives the old picture back and a second one the new again.
void resizeCanvas(BitmapDocument& document, const Rect& rect);

// Opens a new untitled document holding rect of the picture with its palette and settings; the
// source stays as it was. Answers it, or null when it could not be made (already reported).
BitmapDocument* newDocumentFrom(const BitmapDocument& document, const Rect& rect);
