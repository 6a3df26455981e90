// Writes the fuzzers' seed files: small, well-formed pictures in every kind the readers accept.
// Usage: make_seeds FOLDER (writes FOLDER/bmp/*, tiff/*, settings/*, handover/*, palette/* and
// palette-clipboard/*).
#include "framework/SingleInstance.h"
#include "palette/PaletteClipboardLayout.h"
#include "tests/formats/BmpBuilder.h"
#include "tests/formats/TiffBuilder.h"

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
    const std::vector<ColorRef> copied{rgb(0x10, 0x20, 0x30), rgb(0xA1, 0xB2, 0xC3), rgb(0xFF, 0x00, 0x7F)};
    std::vector<uint8_t> copiedObject = paletteClipboard::paletteObjectBytes(copied);
    save(folder / "palette-clipboard/copy-3-17-200", paletteClipboardInput(copiedObject, {3, 17, 200}));
    save(folder / "palette-clipboard/short-block", paletteClipboardInput(copiedObject, {5}));
    save(folder / "palette-clipboard/16-colours-no-block", paletteClipboardInput(paletteObject(16, 16), {}));
    save(folder / "palette-clipboard/count-beyond-data", paletteClipboardInput(paletteObject(9, 2), {1, 2}));
    save(folder / "palette-clipboard/300-entries", paletteClipboardInput(paletteObject(300, 300), {}));
    return 0;
}
