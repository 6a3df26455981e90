#pragma once

class BitmapDocument;

// Draws an outline around the shapes in the selection, the dots that are not the background colour:
// the dots within width (1 to 64) of a shape dot that are not shape dots themselves, a square around
// a dot with corners and a diamond without them, kept inside the selection and painted in the
// drawing colour through the drawing tone. A floating image is written into the picture first. One
// undo step of the document; nothing without a selection, and no step when the outline would change
// no dot and nothing floated.
void outlineShapes(BitmapDocument& document, int width, bool corners);
