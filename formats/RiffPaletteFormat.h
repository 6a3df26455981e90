#pragma once

#include "formats/PaletteFormat.h"

// RIFF palette files (".pal"): a "PAL " form whose "data" chunk holds a logical palette, four bytes
// an entry (red, green, blue, flags).
const PaletteFormat& riffPaletteFormat();
