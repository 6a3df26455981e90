#pragma once

#include "base/Color.h"

#include <cstdint>
#include <optional>
#include <span>

class BitmapDocument;

// Shows colours read from a palette file in entries 0 up of the document's palette, in
// PALETTE_LOAD_DIALOG, where the user drags the block into place; the entries it leaves get their
// colours back. OK keeps the palette as one undo step; any other end puts it back. Answers whether
// OK was pressed.
bool runPaletteLoadDialog(BitmapDocument& document, std::span<const ColorRef> colors);

// Asks which rows of the document's palette a save writes, in PALETTE_SAVE_DIALOG, every row
// chosen at first. The rows' flags (bit r for row r) on OK, nothing otherwise.
std::optional<uint16_t> runPaletteSaveDialog(BitmapDocument& document);
