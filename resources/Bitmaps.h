#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A picture of the program's own. Rows run top first, each padded to a multiple of 4 bytes; in a
// 1-bit picture bit 7 of a byte is its leftmost dot.
struct BitmapResource {
    int32_t width = 0;
    int32_t height = 0;
    int32_t depth = 1;
    std::vector<uint8_t> rows;

    int32_t rowLength() const { return int32_t((int64_t(depth) * width + 31) / 32 * 4); }
};

// The bitmap with this id, or null when there is none.
const BitmapResource* findBitmap(int id);
// The bitmap called name ("PALETTE_BTNS", "TOOL_BTNS", "UNIT_BTNS"), or null.
const BitmapResource* findBitmap(std::string_view name);

namespace bitmaps {
// Pen shapes: consecutive ids from 500, filled discs; a 0 bit is ink.
constexpr int firstPenShape = 500;
// Tone patterns: consecutive ids from 600, 8 x 8; a 0 bit lets ink through.
constexpr int firstTone = 600;
// Button banks: n images side by side, drawn up in the upper half and pressed in the lower half; a
// 0 bit is black. The hexadecimal digits 0 to F, the twelve tools in tool box order, the two units.
constexpr int paletteButtons = 700;
constexpr int toolButtons = 701;
constexpr int unitButtons = 702;
} // namespace bitmaps
