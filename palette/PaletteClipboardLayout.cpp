#include "palette/PaletteClipboardLayout.h"

#include "palette/PaletteModel.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace paletteClipboard {

std::vector<uint8_t> paletteObjectBytes(std::span<const ColorRef> colors)
{
    size_t count = std::min(colors.size(), maxColors);
    std::vector<uint8_t> bytes;
    bytes.reserve(paletteObjectHeaderSize + count * paletteObjectEntrySize);
    bytes.push_back(uint8_t(paletteObjectVersion));
    bytes.push_back(uint8_t(paletteObjectVersion >> 8));
    bytes.push_back(uint8_t(count));
    bytes.push_back(uint8_t(count >> 8));
    for (ColorRef c : colors.first(count)) {
        bytes.push_back(redOf(c));
        bytes.push_back(greenOf(c));
        bytes.push_back(blueOf(c));
        bytes.push_back(0);
    }
    return bytes;
}

std::vector<ColorRef> colorsOfPaletteObject(std::span<const uint8_t> bytes)
{
    if (bytes.size() < paletteObjectHeaderSize)
        return {};
    if ((bytes[0] | bytes[1] << 8) != paletteObjectVersion)
        return {};
    size_t stated = size_t(bytes[2] | bytes[3] << 8);
    // Another program's object may state more entries than it holds: only whole entries are read.
    size_t present = (bytes.size() - paletteObjectHeaderSize) / paletteObjectEntrySize;
    size_t count = std::min({stated, present, maxColors});
    std::vector<ColorRef> colors;
    colors.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = bytes.data() + paletteObjectHeaderSize + i * paletteObjectEntrySize;
        colors.push_back(rgb(entry[0], entry[1], entry[2]));
    }
    return colors;
}

std::vector<uint8_t> pasteOffsets(size_t count, std::span<const uint8_t> orderBlock)
{
    count = std::min(count, maxColors);
    if (orderBlock.size() >= count)
        return {orderBlock.begin(), orderBlock.begin() + std::ptrdiff_t(count)};
    std::vector<uint8_t> offsets(count);
    std::iota(offsets.begin(), offsets.end(), uint8_t(0));
    return offsets;
}

std::string colorsAsText(std::span<const ColorRef> colors)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(colors.size() * 8);
    for (ColorRef c : colors) {
        text += '#';
        for (uint8_t channel : {redOf(c), greenOf(c), blueOf(c)}) {
            text += digits[channel >> 4];
            text += digits[channel & 0xF];
        }
        text += '\n';
    }
    return text;
}

PaletteCopy copyOfEntries(const PaletteModel& palette, std::span<const int> selected)
{
    // Marking the entries sorts them and drops repeats in one pass; there are only 256 to look at.
    std::array<bool, PaletteModel::size> marked{};
    for (int entry : selected) {
        if (entry >= 0 && entry < PaletteModel::size)
            marked[size_t(entry)] = true;
    }
    PaletteCopy copy;
    for (int entry = 0; entry < PaletteModel::size; ++entry) {
        if (!marked[size_t(entry)])
            continue;
        copy.entries.push_back(uint8_t(entry));
        copy.colors.push_back(palette.colorAt(entry));
    }
    return copy;
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> clipboardItems(const PaletteCopy& copy)
{
    std::string text = colorsAsText(copy.colors);
    std::vector<std::pair<std::string, std::vector<uint8_t>>> items;
    items.emplace_back(paletteObjectType, paletteObjectBytes(copy.colors));
    items.emplace_back(paletteOrderType, copy.entries);
    items.emplace_back(textType, std::vector<uint8_t>(text.begin(), text.end()));
    return items;
}

} // namespace paletteClipboard
