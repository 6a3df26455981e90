#pragma once

#include "formats/PaletteFormat.h"

// Plain lists of colours as web palette sites export them: one RRGGBB in hex per line, with or
// without a leading '#', in either case. They carry no signature.
const PaletteFormat& hexPaletteFormat();
