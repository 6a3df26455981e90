#pragma once

#include "base/Color.h"

#include <cstdint>
#include <span>
#include <vector>

class PaletteModel;

// Where a palette file's colours come from and go to: a save writes whole rows, a load fills one
// block of consecutive entries.

// The colours of the rows whose bits are set in rowFlags (bit r for row r), rows ascending, 16
// entries each.
std::vector<ColorRef> colorsOfRows(const PaletteModel& palette, uint16_t rowFlags);

// Writes the colours into entries at, at + 1, ... (quantised) and notifies once. Answers false,
// writing nothing, when they would not all fit in the palette.
bool placeColors(PaletteModel& palette, std::span<const ColorRef> colors, int at);
