#pragma once

#include "formats/PaletteFormat.h"

// Paint Shop Pro's text palettes: "JASC-PAL", the version "0100", the colour count, then one
// "R G B" line per colour, with CRLF line ends.
const PaletteFormat& jascPaletteFormat();
