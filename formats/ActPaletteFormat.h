#pragma once

#include "formats/PaletteFormat.h"

// Colour tables (".act"): 256 red, green, blue triplets, optionally followed by the number of
// colours used and the transparent entry, both big-endian. The format has no signature.
const PaletteFormat& actPaletteFormat();
