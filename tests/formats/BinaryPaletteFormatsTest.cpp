#include "formats/ActPaletteFormat.h"
#include "formats/AsePaletteFormat.h"
#include "formats/RiffPaletteFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <string_view>

// Where the layouts are described: RIFF palettes in Microsoft's "Multimedia Programming Interface and
// Data Specifications 1.0" (the "PAL " form), colour tables in Adobe's "Photoshop File Formats
// Specification" (Color Table), swatch exchange files in no official document but in public
// write-ups of the format (carl.camera's "ASE File Specification", with dotclue.org's corrections).

namespace {

// A hand-made file, written field by field.
struct Bytes {
    std::vector<uint8_t> data;

    Bytes& tag(std::string_view t)
    {
        data.insert(data.end(), t.begin(), t.end());
        return *this;
    }
    Bytes& append(const std::vector<uint8_t>& bytes)
    {
        data.insert(data.end(), bytes.begin(), bytes.end());
        return *this;
    }
    Bytes& le16(uint16_t v) { return append({uint8_t(v), uint8_t(v >> 8)}); }
    Bytes& le32(uint32_t v) { return append({uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); }
    Bytes& be16(uint16_t v) { return append({uint8_t(v >> 8), uint8_t(v)}); }
    Bytes& be32(uint32_t v) { return append({uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}); }
    Bytes& beFloat(float v) { return be32(std::bit_cast<uint32_t>(v)); }
};

std::vector<uint8_t> cut(std::vector<uint8_t> bytes, size_t end)
{
    bytes.resize(bytes.size() - end);
    return bytes;
}

// A chunk with its size, and the pad byte after an odd-sized body.
std::vector<uint8_t> chunk(std::string_view id, const std::vector<uint8_t>& body)
{
    Bytes bytes;
    bytes.tag(id).le32(uint32_t(body.size())).append(body);
    if (body.size() % 2)
        bytes.append({0});
    return bytes.data;
}

std::vector<uint8_t> riff(std::initializer_list<std::vector<uint8_t>> chunks)
{
    Bytes body;
    for (const std::vector<uint8_t>& c : chunks)
        body.append(c);
    return Bytes().tag("RIFF").le32(uint32_t(4 + body.data.size())).tag("PAL ").append(body.data).data;
}

// A "data" chunk's body: the count it states, then the entries it holds.
std::vector<uint8_t> paletteData(uint16_t count, const std::vector<ColorRef>& entries)
{
    Bytes body;
    body.le16(0x0300).le16(count);
    for (ColorRef c : entries)
        body.append({redOf(c), greenOf(c), blueOf(c), 0x05});
    return body.data;
}

ColorRef tableColor(size_t i)
{
    return rgb(uint8_t(i), uint8_t(255 - i), uint8_t(i * 7));
}

std::vector<ColorRef> tableColors(size_t count)
{
    std::vector<ColorRef> colors;
    for (size_t i = 0; i < count; ++i)
        colors.push_back(tableColor(i));
    return colors;
}

// 768 bytes of 256 colours, and what follows them.
std::vector<uint8_t> act(const std::vector<uint8_t>& tail)
{
    Bytes table;
    for (size_t i = 0; i < 256; ++i)
        table.append({redOf(tableColor(i)), greenOf(tableColor(i)), blueOf(tableColor(i))});
    return table.append(tail).data;
}

std::vector<uint8_t> aseBlock(uint16_t type, const std::vector<uint8_t>& body)
{
    return Bytes().be16(type).be32(uint32_t(body.size())).append(body).data;
}

std::vector<uint8_t> aseName(std::u16string_view name)
{
    Bytes bytes;
    bytes.be16(uint16_t(name.size() + 1));
    for (char16_t unit : name)
        bytes.be16(unit);
    return bytes.be16(0).data;
}

std::vector<uint8_t> aseColor(std::u16string_view name, std::string_view model, std::initializer_list<float> values)
{
    Bytes body;
    body.append(aseName(name)).tag(model);
    for (float v : values)
        body.beFloat(v);
    return aseBlock(0x0001, body.be16(2).data);
}

std::vector<uint8_t> ase(uint32_t blockCount, std::initializer_list<std::vector<uint8_t>> blocks)
{
    Bytes file;
    file.tag("ASEF").be16(1).be16(0).be32(blockCount);
    for (const std::vector<uint8_t>& block : blocks)
        file.append(block);
    return file.data;
}

const PaletteFormat* const binaryFormats[] = {&riffPaletteFormat(), &actPaletteFormat(), &asePaletteFormat()};

TEST(BinaryPaletteFormatsTest, WrittenPalettesReadBackAsTheyWere)
{
    for (const PaletteFormat* format : binaryFormats) {
        for (size_t count : {1, 16, 256}) {
            std::vector<ColorRef> colors;
            for (size_t i = 0; i < count; ++i)
                colors.push_back(rgb(uint8_t(i * 37), uint8_t(255 - i), uint8_t(i * 101 + 3)));
            std::vector<uint8_t> written = format->write(colors);
            std::optional<PaletteRead> read = format->read(written);
            ASSERT_TRUE(read) << format->name() << ", " << count;
            EXPECT_EQ(read->colors, colors) << format->name() << ", " << count;
            EXPECT_EQ(read->skipped, 0);
            EXPECT_EQ(format->recognises(written), format != &actPaletteFormat()) << format->name();
        }
    }
}

TEST(BinaryPaletteFormatsTest, ReadersStopAtTheReadLimit)
{
    std::vector<ColorRef> many = tableColors(300);
    for (const PaletteFormat* format : {&riffPaletteFormat(), &asePaletteFormat()}) {
        std::optional<PaletteRead> read = format->read(format->write(many));
        ASSERT_TRUE(read) << format->name();
        EXPECT_EQ(read->colors, tableColors(PaletteFormat::readLimit)) << format->name();
    }
}

TEST(BinaryPaletteFormatsTest, HandMadeFiles)
{
    const std::vector<ColorRef> two{rgb(0x12, 0x34, 0x56), rgb(0xFE, 0x01, 0x80)};
    const std::vector<uint8_t> info = Bytes().tag("INFOISFT").data;
    struct Row {
        const char* what;
        const PaletteFormat* format;
        std::vector<uint8_t> bytes;
        // Nothing: the bytes are no file of the format.
        std::optional<std::vector<ColorRef>> colors;
        int skipped = 0;
    };
    const Row rows[] = {
        {"RIFF: another chunk before the data", &riffPaletteFormat(),
         riff({chunk("LIST", info), chunk("data", paletteData(2, two))}), two},
        {"RIFF: an odd-sized chunk and its pad byte", &riffPaletteFormat(),
         riff({chunk("odd ", {1, 2, 3}), chunk("data", paletteData(2, two))}), two},
        {"RIFF: data cut short in its second entry", &riffPaletteFormat(),
         cut(riff({chunk("data", paletteData(2, two))}), 2), std::vector<ColorRef>{two[0]}},
        {"RIFF: a count beyond its chunk, a chunk after it", &riffPaletteFormat(),
         riff({chunk("data", paletteData(3, {two[0]})), chunk("junk", {0x77, 0x77, 0x77, 0x77})}),
         std::vector<ColorRef>{two[0]}},
        {"RIFF: no data chunk", &riffPaletteFormat(), riff({chunk("LIST", info)}), std::nullopt},
        {"RIFF: a data chunk shorter than its header", &riffPaletteFormat(), riff({chunk("data", {0x00, 0x03})}),
         std::nullopt},
        {"RIFF: a chunk larger than the file", &riffPaletteFormat(),
         Bytes().tag("RIFF").le32(28).tag("PAL junk").le32(0xFFFFFFFF).append(chunk("data", paletteData(2, two))).data,
         std::nullopt},
        {"RIFF: another form", &riffPaletteFormat(),
         Bytes().tag("RIFF").le32(16).tag("WAVE").append(chunk("data", paletteData(2, two))).data, std::nullopt},

        {"ACT: 768 bytes", &actPaletteFormat(), act({}), tableColors(256)},
        {"ACT: 772 bytes with a count of 16", &actPaletteFormat(), act({0x00, 0x10, 0x00, 0x05}), tableColors(16)},
        {"ACT: a count of 0", &actPaletteFormat(), act({0x00, 0x00, 0xFF, 0xFF}), tableColors(256)},
        {"ACT: a count beyond the table", &actPaletteFormat(), act({0x01, 0x01, 0xFF, 0xFF}), tableColors(256)},
        {"ACT: 767 bytes", &actPaletteFormat(), cut(act({}), 1), std::nullopt},
        {"ACT: 773 bytes", &actPaletteFormat(), act({0x00, 0x10, 0xFF, 0xFF, 0x00}), std::nullopt},
        {"ACT: empty", &actPaletteFormat(), {}, std::nullopt},

        // Lab (53.63, 36.31, 45.38) is what sRGB (200, 100, 50) comes to through the D65 formulas.
        {"ASE: a group around two RGB colours, then CMYK, grey and Lab", &asePaletteFormat(),
         ase(7, {aseBlock(0xC001, aseName(u"Warm")), aseColor(u"a", "RGB ", {0.2f, 0.6f, 1.0f}),
                 aseColor(u"b", "RGB ", {1.0f, 0.0f, 0.4f}), aseBlock(0xC002, {}),
                 aseColor(u"c", "CMYK", {0.2f, 0.4f, 0.6f, 0.1f}), aseColor(u"d", "Gray", {0.25f}),
                 aseColor(u"e", "LAB ", {0.5363f, 36.31f, 45.38f})}),
         std::vector<ColorRef>{rgb(51, 153, 255), rgb(255, 0, 102), rgb(184, 138, 92), rgb(64, 64, 64),
                               rgb(200, 100, 50)}},
        {"ASE: a name beyond ASCII, with a surrogate pair", &asePaletteFormat(),
         ase(2, {aseColor(u"Röt 赤 🎨", "RGB ", {0.2f, 0.4f, 0.6f}), aseColor(u"", "Gray", {1.0f})}),
         std::vector<ColorRef>{rgb(51, 102, 153), rgb(255, 255, 255)}},
        {"ASE: values outside their ranges are held to them", &asePaletteFormat(),
         ase(2, {aseColor(u"x", "RGB ", {1.5f, -0.2f, 1e30f}), aseColor(u"y", "LAB ", {2.0f, -1e30f, 1e30f})}),
         std::vector<ColorRef>{rgb(255, 0, 255), rgb(0, 255, 0)}},
        {"ASE: an unknown model and values that are no numbers are passed over", &asePaletteFormat(),
         ase(4, {aseColor(u"h", "HSB ", {0.1f, 0.2f, 0.3f}), aseColor(u"n", "RGB ", {0.2f, NAN, 0.2f}),
                 aseColor(u"i", "LAB ", {0.5f, INFINITY, 0.0f}), aseColor(u"g", "Gray", {0.0f})}),
         std::vector<ColorRef>{rgb(0, 0, 0)}, 3},
        {"ASE: a truncated block", &asePaletteFormat(),
         cut(ase(2, {aseColor(u"a", "RGB ", {0.2f, 0.6f, 1.0f}), aseColor(u"b", "Gray", {0.25f})}), 3), std::nullopt},
        {"ASE: fewer blocks than counted", &asePaletteFormat(), ase(3, {aseColor(u"a", "Gray", {0.25f})}),
         std::nullopt},
        {"ASE: a name running past its block", &asePaletteFormat(),
         ase(1, {aseBlock(0x0001, Bytes().be16(40).be16(0x41).tag("Gray").beFloat(0.25f).data)}), std::nullopt},
        {"ASE: values running past their block", &asePaletteFormat(),
         ase(1, {aseBlock(0x0001, Bytes().append(aseName(u"a")).tag("CMYK").beFloat(0.25f).data)}), std::nullopt},
    };
    for (const Row& row : rows) {
        std::optional<PaletteRead> read = row.format->read(row.bytes);
        ASSERT_EQ(read.has_value(), row.colors.has_value()) << row.what;
        if (!read)
            continue;
        EXPECT_EQ(read->colors, *row.colors) << row.what;
        EXPECT_EQ(read->skipped, row.skipped) << row.what;
    }
}

TEST(BinaryPaletteFormatsTest, TheBytesWrittenForTwoColours)
{
    const std::vector<ColorRef> two{rgb(0x33, 0x66, 0x99), rgb(0xFF, 0x00, 0xCC)};
    // clang-format off
    EXPECT_EQ(riffPaletteFormat().write(two), (std::vector<uint8_t>{
        'R', 'I', 'F', 'F', 24, 0, 0, 0, 'P', 'A', 'L', ' ',
        'd', 'a', 't', 'a', 12, 0, 0, 0, 0x00, 0x03, 2, 0,
        0x33, 0x66, 0x99, 0,
        0xFF, 0x00, 0xCC, 0}));

    std::vector<uint8_t> table{0x33, 0x66, 0x99, 0xFF, 0x00, 0xCC};
    table.resize(768);
    table.insert(table.end(), {0x00, 0x02, 0xFF, 0xFF});
    EXPECT_EQ(actPaletteFormat().write(two), table);

    // 0x33 / 255 is 0.2 exactly, so its float is 0.2f; likewise 0.4f, 0.6f and 0.8f.
    EXPECT_EQ(asePaletteFormat().write(two), (std::vector<uint8_t>{
        'A', 'S', 'E', 'F', 0, 1, 0, 0, 0, 0, 0, 2,
        0, 1, 0, 0, 0, 24, 0, 2, 0, '0', 0, 0, 'R', 'G', 'B', ' ',
        0x3E, 0x4C, 0xCC, 0xCD, 0x3E, 0xCC, 0xCC, 0xCD, 0x3F, 0x19, 0x99, 0x9A, 0, 2,
        0, 1, 0, 0, 0, 24, 0, 2, 0, '1', 0, 0, 'R', 'G', 'B', ' ',
        0x3F, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3F, 0x4C, 0xCC, 0xCD, 0, 2}));
    // clang-format on
}

} // namespace
