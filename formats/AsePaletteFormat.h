#pragma once

#include "formats/PaletteFormat.h"

// Swatch exchange files (".ase"): big-endian blocks of named colours in RGB, CMYK, Lab or grey, which
// may be gathered in groups. Groups are flattened; every colour is turned into RGB.
const PaletteFormat& asePaletteFormat();
