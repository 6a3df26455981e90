#pragma once

#include "core/Geometry.h"

class GraphicsContext;
class PenPalette;

// A colour cell of the palette panels: filled with the entry's colour in the pen palette's document
// (black without a palette); the selected one framed in black on a bright colour, white on a dark.
void paintSwatch(GraphicsContext& gc, const Rect& cell, const PenPalette& pen, int entry, bool selected);
