#pragma once

#include "formats/PaletteFormat.h"

// GIMP's text palettes: a "GIMP Palette" first line, optional "Name:" and "Columns:" lines, then
// "R G B name" lines among comment and blank lines. Colour names are read past and not kept.
const PaletteFormat& gimpPaletteFormat();
