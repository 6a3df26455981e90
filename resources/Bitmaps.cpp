#include "resources/Bitmaps.h"

#include <array>
#include <cstddef>
#include <map>

namespace {

// Rows 0 to 7 of the twelve tones; tone 0 is solid.
constexpr std::array<std::array<uint8_t, 8>, 12> tones{{
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
    {0x00, 0x44, 0x00, 0x11, 0x00, 0x44, 0x00, 0x11},
    {0x00, 0x55, 0x00, 0x55, 0x00, 0x55, 0x00, 0x55},
    {0x88, 0x55, 0x22, 0x55, 0x88, 0x55, 0x22, 0x55},
    {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55},
    {0xAA, 0xDD, 0xAA, 0x77, 0xAA, 0xDD, 0xAA, 0x77},
    {0xAA, 0xFF, 0xAA, 0xFF, 0xAA, 0xFF, 0xAA, 0xFF},
    {0xEE, 0xFF, 0xBB, 0xFF, 0xEE, 0xFF, 0xBB, 0xFF},
    {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55},
    {0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF},
    {0xBB, 0x77, 0xEE, 0xDD, 0xBB, 0x77, 0xEE, 0xDD},
    {0xBB, 0xDD, 0xEE, 0x77, 0xBB, 0xDD, 0xEE, 0x77},
}};

// For each pen shape, the ink margin m(y) of every row: ink covers columns m(y) to size - 1 - m(y).
const std::vector<std::vector<int>> penMargins = {
    {0},
    {0, 0},
    {1, 0, 0, 1},
    {1, 0, 0, 0, 0, 1},
    {2, 1, 0, 0, 0, 0, 1, 2},
    {3, 2, 1, 0, 0, 0, 0, 1, 2, 3},
    {4, 2, 1, 1, 0, 0, 0, 0, 1, 1, 2, 4},
    {4, 2, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 2, 4},
    {5, 3, 2, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 2, 3, 5},
};

BitmapResource tone(const std::array<uint8_t, 8>& pattern)
{
    BitmapResource bitmap{8, 8, 1, {}};
    for (uint8_t row : pattern)
        bitmap.rows.insert(bitmap.rows.end(), {row, 0, 0, 0});
    return bitmap;
}

BitmapResource penShape(const std::vector<int>& margins)
{
    int32_t size = int32_t(margins.size());
    BitmapResource bitmap{size, size, 1, {}};
    bitmap.rows.assign(size_t(bitmap.rowLength()) * size_t(size), 0xFF);
    for (int32_t y = 0; y < size; ++y) {
        uint8_t* row = &bitmap.rows[size_t(y) * size_t(bitmap.rowLength())];
        for (int32_t x = margins[size_t(y)]; x < size - margins[size_t(y)]; ++x)
            row[x >> 3] &= uint8_t(~(0x80 >> (x & 7)));
    }
    return bitmap;
}

std::map<int, BitmapResource> makeTable()
{
    std::map<int, BitmapResource> table;
    for (size_t i = 0; i < tones.size(); ++i)
        table[bitmaps::firstTone + int(i)] = tone(tones[i]);
    for (size_t i = 0; i < penMargins.size(); ++i)
        table[bitmaps::firstPenShape + int(i)] = penShape(penMargins[i]);
    return table;
}

} // namespace

const BitmapResource* findBitmap(int id)
{
    static const std::map<int, BitmapResource> table = makeTable();
    auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}
