// Writes the fuzzers' seed files: small, well-formed pictures in every kind the readers accept.
// Usage: make_seeds FOLDER (writes FOLDER/bmp/*, tiff/*, settings/*, handover/*, palette/*,
// palette-clipboard/* and palette-formats/*).
#include "formats/ActPaletteFormat.h"
#include "formats/AsePaletteFormat.h"
#include "formats/RiffPaletteFormat.h"
#include "framework/SingleInstance.h"
#include "palette/PaletteClipboardLayout.h"
#include "tests/formats/BmpBuilder.h"
#include "tests/formats/TiffBuilder.h"

#include <bit>
#include <filesystem>
#include <fstream>

namespace {

void save(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::vector<uint8_t>> rows(int count, int bytes)
{
    std::vector<std::vector<uint8_t>> all;
    for (int y = 0; y < count; ++y) {
        all.emplace_back();
        for (int i = 0; i < bytes; ++i)
            all.back().push_back(uint8_t(i * 37 + y * 11));
    }
    return all;
}

// The palette clipboard fuzzer's input: the object's length in two bytes, little-endian, the object,
// then the order block.
std::string paletteClipboardInput(const std::vector<uint8_t>& object, const std::vector<uint8_t>& block)
{
    std::string bytes{char(object.size()), char(object.size() >> 8)};
    bytes.append(object.begin(), object.end());
    bytes.append(block.begin(), block.end());
    return bytes;
}

// A palette object as another program may write it: a stated count apart from the entries it holds.
std::vector<uint8_t> paletteObject(uint16_t stated, int entries)
{
    std::vector<uint8_t> bytes{0x00, 0x03, uint8_t(stated), uint8_t(stated >> 8)};
    for (int k = 0; k < entries; ++k)
        bytes.insert(bytes.end(), {uint8_t(k), uint8_t(k * 3), uint8_t(255 - k), 0});
    return bytes;
}

std::string bytesOf(const std::vector<uint8_t>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

std::string le32(uint32_t v)
{
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

std::string be16(uint16_t v)
{
    return {char(v >> 8), char(v)};
}

std::string be32(uint32_t v)
{
    return be16(uint16_t(v >> 16)) + be16(uint16_t(v));
}

// A block of a swatch exchange file: its type, the length of its body, the body.
std::string aseBlock(uint16_t type, const std::string& body)
{
    return be16(type) + be32(uint32_t(body.size())) + body;
}

// A colour block named by one letter.
std::string aseColor(char name, const std::string& model, std::initializer_list<float> values)
{
    std::string body = be16(2) + be16(uint16_t(name)) + be16(0) + model;
    for (float v : values)
        body += be32(std::bit_cast<uint32_t>(v));
    return aseBlock(0x0001, body + be16(2));
}

TiffBuilder tiff(int bits, bool rgb, bool bigEndian, std::vector<uint32_t> strips)
{
    TiffBuilder t;
    t.bigEndian = bigEndian;
    t.set(tiffTags::imageWidth, TiffFile::typeShort, {5});
    t.set(tiffTags::imageLength, TiffFile::typeShort, {4});
    t.set(tiffTags::bitsPerSample, TiffFile::typeShort,
          rgb ? std::vector<uint32_t>{8, 8, 8} : std::vector<uint32_t>{uint32_t(bits)});
    t.set(tiffTags::photometricInterpretation, TiffFile::typeShort,
          {rgb ? tiffValues::photometricRgb : tiffValues::photometricPalette});
    if (rgb)
        t.set(tiffTags::samplesPerPixel, TiffFile::typeShort, {3});
    else
        t.set(tiffTags::colorMap, TiffFile::typeShort, std::vector<uint32_t>(3u << bits, 0x8000));
    size_t rowBytes = rgb ? 15 : bits == 8 ? 5 : 3;
    for (size_t i = 0; i < rowBytes * 4; ++i)
        t.pixels.push_back(uint8_t(i * 29));
    t.stripSizes = std::move(strips);
    return t;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 1;
    std::filesystem::path folder = argv[1];
    std::vector<uint32_t> gray(256);
    for (uint32_t i = 0; i < 256; ++i)
        gray[i] = i * 0x010101;
    save(folder / "bmp/1bit.bmp",
         BmpBuilder{.width = 11, .height = 3, .bits = 1, .colors = {0, 0xFFFFFF}, .rows = rows(3, 2)}.bytes());
    save(folder / "bmp/4bit-top-down.bmp", BmpBuilder{.width = 5,
                                                      .height = -3,
                                                      .bits = 4,
                                                      .colorsUsed = 16,
                                                      .colors = std::vector<uint32_t>(16, 0x336699),
                                                      .rows = rows(3, 3)}
                                               .bytes());
    save(folder / "bmp/8bit.bmp",
         BmpBuilder{.width = 6, .height = 2, .bits = 8, .colors = gray, .rows = rows(2, 6)}.bytes());
    save(folder / "bmp/8bit-v5-header.bmp", BmpBuilder{.width = 3,
                                                       .height = 2,
                                                       .bits = 8,
                                                       .headerSize = 124,
                                                       .colorsUsed = 4,
                                                       .colors = {0, 0xFF, 0xFF00, 0xFF0000},
                                                       .rows = rows(2, 3)}
                                                .bytes());
    save(folder / "bmp/24bit-offset.bmp",
         BmpBuilder{.width = 3, .height = 2, .bits = 24, .dataOffset = 80, .rows = rows(2, 9)}.bytes());
    // Fewer colours than the depth allows, and pixel values beyond the table.
    save(folder / "bmp/8bit-16-colours.bmp", BmpBuilder{.width = 9,
                                                        .height = 2,
                                                        .bits = 8,
                                                        .colorsUsed = 16,
                                                        .colors = std::vector<uint32_t>(16, 0x102030),
                                                        .rows = rows(2, 9)}
                                                 .bytes());
    save(folder / "tiff/8bit-one-strip.tif", tiff(8, false, false, {20}).bytes());
    save(folder / "tiff/8bit-big-endian-strips.tif", tiff(8, false, true, {7, 7, 6}).bytes());
    save(folder / "tiff/4bit.tif", tiff(4, false, false, {12}).bytes());
    save(folder / "tiff/rgb-strips.tif", tiff(8, true, true, {16, 16, 16, 12}).bytes());
    save(folder / "settings/every-key.ini",
         "; written by hand\n[Tilvane]\nWindow=10,20,800,600\nPalette-Window=-220,80,1\nZoomMain=1,2,4,8,16\n"
         "ZoomSub=1,2,4\nPalette=f\nBackColor=255,255,255\nBlock=16,16\nCanvas=256,256\nMesh=8,8,1\nEdge=1\n"
         "Offset=0,0\nBackupLevel=3\nBackupDirectory=backup\nMRU-1=/home/a/絵.bmp\n\n[Other]\nkey=value\n");
    save(folder / "settings/crlf-no-final-newline.ini",
         "[tilvane]\r\nwindow = -5 , 7,2147483647,2147483647\r\nZoomMain=99999999999,3\r\n[Tilvane]\r\nBlock=0x10");
    // The fuzzer takes a first byte for the size of the pieces the message arrives in.
    save(folder / "handover/two-names.msg", "\x01" + SingleInstance::encode({"/a/x.bmp", "/b/y.tif"}));
    save(folder / "handover/come-to-front.msg", "\x00" + SingleInstance::encode({}));
    std::string palette;
    for (int i = 0; i < 256; ++i)
        palette += {char(i), char(255 - i), char(i * 7)};
    save(folder / "palette/256-colours.rgb", palette);
    save(folder / "palette/ragged.rgb", palette.substr(0, 100));
    // Every palette format reads these; each format's own files come from its writer, and by hand
    // where a writer never makes them (other chunks, groups, other colour models).
    std::vector<ColorRef> sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen.push_back(rgb(uint8_t(i * 16), uint8_t(255 - i * 9), uint8_t(i * 5)));
    save(folder / "palette-formats/16-colours.pal", bytesOf(riffPaletteFormat().write(sixteen)));
    save(folder / "palette-formats/16-colours.act", bytesOf(actPaletteFormat().write(sixteen)));
    save(folder / "palette-formats/16-colours.ase", bytesOf(asePaletteFormat().write(sixteen)));
    save(folder / "palette-formats/256-colours-uncounted.act", palette);
    save(folder / "palette-formats/odd-chunk.pal", "RIFF" + le32(34) + "PAL " + "LIST" + le32(5) + "INFOa" +
                                                       std::string(1, '\0') + "data" + le32(8) +
                                                       std::string{0x00, 0x03, 0x01, 0x00, 0x10, 0x20, 0x30, 0x00});
    save(folder / "palette-formats/every-model.ase",
         "ASEF" + be16(1) + be16(0) + be32(6) + aseBlock(0xC001, be16(2) + be16('G') + be16(0)) +
             aseColor('a', "RGB ", {0.2f, 0.6f, 1.0f}) + aseColor('b', "CMYK", {0.2f, 0.4f, 0.6f, 0.1f}) +
             aseBlock(0xC002, "") + aseColor('c', "LAB ", {0.5363f, 36.31f, 45.38f}) + aseColor('d', "Gray", {0.25f}));
    save(folder / "palette-formats/gimp.gpl",
         "GIMP Palette\nName: Seeds\nColumns: 4\n#\n  0   0   0\tBlack\n255 128  64\tOrange\n");
    save(folder / "palette-formats/jasc.pal", "JASC-PAL\r\n0100\r\n2\r\n0 0 0\r\n255 128 64\r\n");
    save(folder / "palette-formats/colours.hex", "#FF8040\n00ff00\n");
    const std::vector<ColorRef> copied{rgb(0x10, 0x20, 0x30), rgb(0xA1, 0xB2, 0xC3), rgb(0xFF, 0x00, 0x7F)};
    std::vector<uint8_t> copiedObject = paletteClipboard::paletteObjectBytes(copied);
    save(folder / "palette-clipboard/copy-3-17-200", paletteClipboardInput(copiedObject, {3, 17, 200}));
    save(folder / "palette-clipboard/short-block", paletteClipboardInput(copiedObject, {5}));
    save(folder / "palette-clipboard/16-colours-no-block", paletteClipboardInput(paletteObject(16, 16), {}));
    save(folder / "palette-clipboard/count-beyond-data", paletteClipboardInput(paletteObject(9, 2), {1, 2}));
    save(folder / "palette-clipboard/300-entries", paletteClipboardInput(paletteObject(300, 300), {}));
    return 0;
}
