#include "resources/Bitmaps.h"

#include <array>
#include <cstddef>
#include <map>
#include <string_view>
#include <utility>

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

// Button pictures, '#' for ink, each centred in its button.
using Glyph = std::vector<std::string_view>;

// The hexadecimal digits, 5 x 7.
const std::vector<Glyph> digitGlyphs = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
    {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},
    {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."},
    {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."},
    {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."},
    {"#####", "#....", "#....", "####.", "#....", "#....", "#####"},
    {"#####", "#....", "#....", "####.", "#....", "#....", "#...."},
};

// The tools in tool box order, 12 x 12: rectangle, ellipse, lasso, crop, zoom, hand, eyedropper,
// pencil, bucket, draw, line, text.
// clang-format off
const std::vector<Glyph> toolGlyphs = {
    // rectangle
    {"............",
     "#.#.#.#.#.#.",
     "...........#",
     "#...........",
     "...........#",
     "#...........",
     "...........#",
     "#...........",
     "...........#",
     "#...........",
     ".#.#.#.#.#.#",
     "............"},
    // ellipse
    {"............",
     "....#..#....",
     "..#......#..",
     ".#........#.",
     "............",
     "#..........#",
     "#..........#",
     "............",
     ".#........#.",
     "..#......#..",
     "....#..#....",
     "............"},
    // lasso
    {"............",
     "...######...",
     ".##......##.",
     "#..........#",
     "#..........#",
     ".#........#.",
     "..##....##..",
     "....#.##....",
     "....##......",
     "...#.#......",
     "...#........",
     "....#......."},
    // crop
    {"..#.........",
     "..#.........",
     "##########..",
     "..#......#..",
     "..#......#..",
     "..#......#..",
     "..#......#..",
     "..#......#..",
     "..#......#..",
     "..##########",
     ".........#..",
     ".........#.."},
    // zoom
    {"..####......",
     ".#....#.....",
     "#......#....",
     "#......#....",
     "#......#....",
     "#......#....",
     ".#....#.....",
     "..####.#....",
     ".......##...",
     "........##..",
     ".........##.",
     "..........##"},
    // hand
    {".....#......",
     "...#.#.#....",
     "...#.#.#.#..",
     "...#.#.#.#..",
     "...#.#.#.#..",
     "#..#######..",
     "##.#.....#..",
     ".###.....#..",
     "..#......#..",
     "..#.....#...",
     "...#....#...",
     "...######..."},
    // eyedropper
    {".........##.",
     "........####",
     "......######",
     ".......####.",
     "......#.##..",
     ".....#...#..",
     "....#...#...",
     "...#...#....",
     "..#...#.....",
     ".#...#......",
     "#.###.......",
     "##.........."},
    // pencil
    {"..........##",
     ".........#.#",
     "........#.#.",
     ".......#.#..",
     "......#.#...",
     ".....#.#....",
     "....#.#.....",
     "...#.#......",
     "..#.#.......",
     ".##.........",
     ".#..........",
     "#..........."},
    // bucket
    {"............",
     "...######...",
     "..#......#..",
     "..#......#..",
     ".##########.",
     ".#........##",
     ".#........##",
     ".#........##",
     ".#........#.",
     ".#........#.",
     "..########..",
     "............"},
    // draw
    {"..........##",
     ".........###",
     "........###.",
     ".......###..",
     "......###...",
     ".....##.....",
     "..####......",
     ".#####......",
     ".####.......",
     ".###........",
     "##..........",
     "#..........."},
    // line
    {"..........##",
     "..........##",
     ".........#..",
     "........#...",
     ".......#....",
     "......#.....",
     ".....#......",
     "....#.......",
     "...#........",
     "..#.........",
     "##..........",
     "##.........."},
    // text
    {"############",
     "############",
     "##...##...##",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     "....####....",
     "............"},
};
// clang-format on

// The units, 12 x 12: one dot, and a block of dots.
// clang-format off
const std::vector<Glyph> unitGlyphs = {
    // dot
    {"............",
     "............",
     "............",
     "............",
     "............",
     ".....##.....",
     ".....##.....",
     "............",
     "............",
     "............",
     "............",
     "............"},
    // block
    {"............",
     ".##########.",
     ".#####.....#",
     ".#####.....#",
     ".#####.....#",
     ".#####.....#",
     ".#.....#####",
     ".#.....#####",
     ".#.....#####",
     ".#.....#####",
     ".##########.",
     "............"},
};
// clang-format on

void setDot(BitmapResource& bitmap, int32_t x, int32_t y, bool black)
{
    uint8_t& byte = bitmap.rows[size_t(y) * size_t(bitmap.rowLength()) + size_t(x >> 3)];
    uint8_t bit = uint8_t(0x80 >> (x & 7));
    byte = black ? uint8_t(byte & ~bit) : uint8_t(byte | bit);
}

// The glyphs side by side, each in a black-framed button: black on white when up (upper half),
// white on black when pressed (lower half).
BitmapResource buttonStrip(const std::vector<Glyph>& glyphs, int32_t width, int32_t height)
{
    BitmapResource bitmap{width * int32_t(glyphs.size()), 2 * height, 1, {}};
    bitmap.rows.assign(size_t(bitmap.rowLength()) * size_t(bitmap.height), 0xFF);
    for (size_t n = 0; n < glyphs.size(); ++n) {
        const Glyph& glyph = glyphs[n];
        int32_t left = int32_t(n) * width;
        int32_t inkLeft = left + (width - int32_t(glyph[0].size())) / 2, inkTop = (height - int32_t(glyph.size())) / 2;
        for (int pressed = 0; pressed < 2; ++pressed) {
            int32_t top = pressed * height;
            for (int32_t y = 0; y < height; ++y)
                for (int32_t x = 0; x < width; ++x) {
                    bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                    setDot(bitmap, left + x, top + y, frame || pressed);
                }
            for (size_t y = 0; y < glyph.size(); ++y)
                for (size_t x = 0; x < glyph[y].size(); ++x)
                    if (glyph[y][x] == '#')
                        setDot(bitmap, inkLeft + int32_t(x), top + inkTop + int32_t(y), !pressed);
        }
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
    table[bitmaps::paletteButtons] = buttonStrip(digitGlyphs, 12, 12);
    table[bitmaps::toolButtons] = buttonStrip(toolGlyphs, 16, 16);
    table[bitmaps::unitButtons] = buttonStrip(unitGlyphs, 16, 16);
    return table;
}

} // namespace

const BitmapResource* findBitmap(int id)
{
    static const std::map<int, BitmapResource> table = makeTable();
    auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}

const BitmapResource* findBitmap(std::string_view name)
{
    static constexpr std::pair<std::string_view, int> named[] = {
        {"PALETTE_BTNS", bitmaps::paletteButtons},
        {"TOOL_BTNS", bitmaps::toolButtons},
        {"UNIT_BTNS", bitmaps::unitButtons},
    };
    for (const auto& [bitmapName, id] : named)
        if (bitmapName == name)
            return findBitmap(id);
    return nullptr;
}
