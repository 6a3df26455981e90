#pragma once

#include "formats/PaletteFormat.h"

// The program's own palette files: bare red, green, blue byte triplets with no header and no
// signature, so that only the ".rgb" extension tells them apart.
const PaletteFormat& rawPaletteFormat();
