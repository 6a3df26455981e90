#pragma once

#include "base/Color.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

class PaletteModel;

// The bytes a copy of palette colours puts on the clipboard and a paste reads back: the standard
// palette object, the block of the entry numbers the colours came from, and a text form for other
// programs. Pure bytes in and out; the framework's clipboard carries them.
namespace paletteClipboard {

// The standard palette object that other programs also read and write.
constexpr const char* paletteObjectType = "application/x-tilvaner-palette";
// The order block: the desktop form of the private ":BrivonEditor:PaletteOrder:" format, only
// meaningful beside the palette object copied with it.
constexpr const char* paletteOrderType = "application/x-tilvaner-palette-order";
// One "#RRGGBB" line per colour, for programs that paste colours as text.
constexpr const char* textType = "text/plain";

constexpr size_t maxColors = 256;
constexpr uint16_t paletteObjectVersion = 0x0300;
constexpr size_t paletteObjectHeaderSize = 4;
constexpr size_t paletteObjectEntrySize = 4;

// The palette object: version 0x0300 and the entry count, both 16-bit little-endian, then red, green,
// blue and flags 0 per entry. Only the first maxColors colours are written.
std::vector<uint8_t> paletteObjectBytes(std::span<const ColorRef> colors);
// The colours of a palette object: none for a short header, another version or no entries; else as
// many as the stated count, the whole entries present and maxColors all allow. Flags are ignored.
std::vector<ColorRef> colorsOfPaletteObject(std::span<const uint8_t> bytes);

// One entry number per pasted colour, for count colours (at most maxColors): the block's first bytes
// when it has one for each, else 0, 1, 2, ... since a block too short cannot place every colour.
std::vector<uint8_t> pasteOffsets(size_t count, std::span<const uint8_t> orderBlock);

// One "#RRGGBB\n" line per colour, hex digits in upper case.
std::string colorsAsText(std::span<const ColorRef> colors);

// What a copy of palette entries takes: the entry numbers ascending, which are the order block, and
// their colours in the same order.
struct PaletteCopy {
    std::vector<uint8_t> entries;
    std::vector<ColorRef> colors;
};

// The selected entries sorted, each once, with their colours; selected numbers outside the palette
// are left out.
PaletteCopy copyOfEntries(const PaletteModel& palette, std::span<const int> selected);
// The palette object, the order block and the text form, in that order, under their MIME types. An
// empty copy gives items without colours: callers copy nothing when nothing is selected.
std::vector<std::pair<std::string, std::vector<uint8_t>>> clipboardItems(const PaletteCopy& copy);

} // namespace paletteClipboard
