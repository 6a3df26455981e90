#include "formats/GimpPaletteFormat.h"
#include "formats/HexPaletteFormat.h"
#include "formats/JascPaletteFormat.h"
#include "formats/RawPaletteFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

using namespace std::literals;

namespace {

using Colors = std::vector<ColorRef>;

std::span<const uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string_view textOf(const std::vector<uint8_t>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Every channel differs from the others and from entry to entry, and 0 and 255 both occur, so that
// a swapped channel, a lost entry or a clipped value shows.
Colors colorsOf(size_t count)
{
    Colors colors;
    for (size_t i = 0; i < count; ++i)
        colors.push_back(rgb(uint8_t(i), uint8_t(255 - i), uint8_t(i * 37 + 11)));
    return colors;
}

const PaletteFormat* const raw = &rawPaletteFormat();
const PaletteFormat* const gimp = &gimpPaletteFormat();
const PaletteFormat* const jasc = &jascPaletteFormat();
const PaletteFormat* const hex = &hexPaletteFormat();

constexpr ColorRef black = rgb(0, 0, 0);
constexpr ColorRef white = rgb(255, 255, 255);
constexpr ColorRef orange = rgb(255, 128, 0);
constexpr ColorRef sky = rgb(0, 160, 255);
constexpr std::nullopt_t malformed = std::nullopt;

TEST(PaletteFormatsTest, WrittenPalettesReadBackUpToTheLimit)
{
    for (const PaletteFormat* format : {raw, gimp, jasc, hex})
        for (size_t count : {size_t(1), size_t(16), size_t(256), size_t(300)}) {
            Colors colors = colorsOf(count);
            std::optional<PaletteRead> read = format->read(format->write(colors));
            ASSERT_TRUE(read) << format->name() << ", " << count << " colours";
            colors.resize(std::min(count, PaletteFormat::readLimit));
            EXPECT_EQ(read->colors, colors) << format->name() << ", " << count << " colours";
            EXPECT_EQ(read->skipped, 0);
        }
}

TEST(PaletteFormatsTest, FilesAreWrittenInTheirUsualLayout)
{
    const Colors colors{rgb(0, 128, 255), rgb(7, 64, 200)};
    struct Row {
        const PaletteFormat* format;
        std::string_view bytes;
    };
    for (const Row& row : {
             Row{raw, "\x00\x80\xFF\x07\x40\xC8"sv},
             Row{gimp, "GIMP Palette\nName: Tilvaner\nColumns: 16\n#\n  0 128 255\t0\n  7  64 200\t1\n"},
             Row{jasc, "JASC-PAL\r\n0100\r\n2\r\n0 128 255\r\n7 64 200\r\n"},
             Row{hex, "0080FF\n0740C8\n"},
         })
        EXPECT_EQ(textOf(row.format->write(colors)), row.bytes) << row.format->name();
}

TEST(PaletteFormatsTest, HandMadeFilesReadAsTheirLayoutAllows)
{
    struct Row {
        const PaletteFormat* format;
        std::string_view bytes;
        std::optional<Colors> colors;
    };
    for (const Row& row : {
             // .rgb: the program's own files, bare triplets and nothing else.
             Row{raw, "\xFF\x80\x00\x00\xA0\xFF\x01"sv, Colors{orange, sky}},
             Row{raw, "\xFF\x80"sv, Colors{}},

             // .gpl: GIMP's developer documentation, "GIMP Palette Format Version 2 (.gpl)".
             Row{gimp, "GIMP Palette\nName: Two\nColumns: 2\n# by hand\n\n  0   0   0\tBlack\n255 255 255 White\n",
                 Colors{black, white}},
             Row{gimp, "GIMP Palette\r\nName: Two\r\n255 128 0\r\n#\r\n0 160 255", Colors{orange, sky}},
             Row{gimp, "\xEF\xBB\xBFGIMP Palette\nName: Café\n255\t128\t0\tOrangé 橙色 #2\n  0  160   255   \n",
                 Colors{orange, sky}},
             Row{gimp, "GIMP Palette\n255 128 0 1 2 3\n", Colors{orange}},
             Row{gimp, "GIMP Palette\n", Colors{}},
             Row{gimp, "GIMP Palette\n255 128\n", malformed},
             Row{gimp, "GIMP Palette\n255 128 256\n", malformed},
             Row{gimp, "GIMP Palette\n-1 128 0\n", malformed},
             Row{gimp, "GIMP Palette\n255 128 0x\n", malformed},
             Row{gimp, "GIMP Palette\n255,128,0\n", malformed},
             Row{gimp, "GIMP Palette\n0 0 0\nName: Late\n", malformed},
             Row{gimp, "GIMP Palettes\n255 128 0\n", malformed},
             Row{gimp, "Name: Unsigned\n255 128 0\n", malformed},

             // .pal: the JASC-PAL layout of Paint Shop Pro's palettes as file-type references describe
             // it: "JASC-PAL", "0100", the count, then one "R G B" line per colour.
             Row{jasc, "JASC-PAL\r\n0100\r\n2\r\n255 128 0\r\n0 160 255\r\n", Colors{orange, sky}},
             Row{jasc, "JASC-PAL\n0100\n2\n255 128 0  \n0\t160 255", Colors{orange, sky}},
             Row{jasc, "JASC-PAL\n0100\n1\n255 128 0\n0 160 255\n", Colors{orange}},
             Row{jasc, "\xEF\xBB\xBFJASC-PAL\r\n0100\r\n0\r\n", Colors{}},
             Row{jasc, "JASC-PAL\n0100\n3\n255 128 0\n0 160 255\n", malformed},
             Row{jasc, "JASC-PAL\n0100\n1\n255 128 300\n", malformed},
             Row{jasc, "JASC-PAL\n0100\n1\n255 128 x\n", malformed},
             Row{jasc, "JASC-PAL\n0100\n1\n255 128 0 255\n", malformed},
             Row{jasc, "JASC-PAL\n0100\ntwo\n255 128 0\n", malformed},
             Row{jasc, "JASC-PAL\n0100\n99999999999999999999999\n255 128 0\n", malformed},
             Row{jasc, "JASC-PAL\n0200\n1\n255 128 0\n", malformed},

             // .hex: the plain list of RRGGBB lines that Lospec's palette list offers for download.
             Row{hex, "ff8000\n00a0ff\n", Colors{orange, sky}},
             Row{hex, "#FF8000\r\n\r\n#00a0Ff", Colors{orange, sky}},
             Row{hex, "\xEF\xBB\xBF  ff8000\t\n", Colors{orange}},
             Row{hex, "", Colors{}},
             Row{hex, "ff800\n", malformed},
             Row{hex, "ff8000ff\n", malformed},
             Row{hex, "ff8000 orange\n", malformed},
             Row{hex, "0xff80\n", malformed},
             Row{hex, "gg8000\n", malformed},
             Row{hex, "# ff8000\n", malformed},
         }) {
        std::optional<PaletteRead> read = row.format->read(bytesOf(row.bytes));
        EXPECT_EQ(read ? std::optional(read->colors) : std::nullopt, row.colors)
            << row.format->name() << ": " << row.bytes;
    }
}

TEST(PaletteFormatsTest, AFileIsTakenBySignatureThenByExtension)
{
    struct Row {
        std::string_view bytes;
        std::string_view extension;
        const PaletteFormat* format;
    };
    for (const Row& row : {
             Row{"JASC-PAL\r\n0100\r\n0\r\n", "gpl", jasc},
             Row{"JASC-PAL\n0100\n0\n", "rgb", jasc},
             Row{"\xEF\xBB\xBFGIMP Palette\r\n", "pal", gimp},
             Row{"ff8000\n", "HEX", hex},
             Row{"\xFF\x80\x00"sv, "Rgb", raw},
             Row{"ff8000\n", "Gpl", gimp},
             Row{"ff8000\n", "pal", jasc},
             Row{"ff8000\n", "txt", nullptr},
         })
        EXPECT_EQ(paletteFormatOf(bytesOf(row.bytes), row.extension), row.format)
            << row.bytes << " as ." << row.extension;
}

} // namespace
