#pragma once

#include "core/Geometry.h"

class BitmapDocument;

// Where a bucket click landed: on the picture (filled, or nothing to fill), or where the editor
// beeps and nothing happens.
enum class BucketClick { onPicture, outsidePicture, outsideSelection };

// Fills the 4-connected area of dots that have exactly the colour of the dot at p with the drawing
// colour through the drawing tone, inside the selection when there is one; nothing when that
// colour already is the drawing colour. One undo step of the document. When the fill cannot be
// completed it shows the too-complex message, paints nothing and raises the quiet error.
BucketClick bucketFill(BitmapDocument& document, Point p);

// An 8-bit picture: fills outward from p up to the document's border colours, nothing when p is on
// one; a full-colour picture does bucketFill.
BucketClick borderFill(BitmapDocument& document, Point p);
