#pragma once

#include "core/Geometry.h"
#include "formats/ImageFormat.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Uncompressed Windows bitmaps: reads 1, 4, 8 and 24-bit files, writes 8 and 24-bit ones.
std::unique_ptr<ImageFormat> makeBmpFormat();

// The same bitmaps held in memory as a packed DIB: the info header, the colour table and the rows,
// as the clipboard carries them and as a file holds them after its 14-byte file header.
namespace packedDib {

constexpr size_t fileHeaderSize = 14;

// Where the parts of a packed DIB lie, once it has been found sound.
struct Layout {
    int32_t width = 0;
    // Negative: the rows run from the top row down.
    int32_t height = 0;
    int bits = 0;
    bool bitFields = false;
    uint32_t tableEntries = 0;
    size_t tableOffset = 0;
    size_t pixelOffset = 0;
};

// The layout of bytes taken for a packed DIB, or nothing when they are none a paste may read: the
// header is shorter than 40 bytes, the planes are not 1, a side lies outside 1 to 10000, the depth
// is not 1, 4, 8, 16, 24 or 32, more colours are used than the depth has (or than 256), the
// compression is neither none nor bit fields at 16 or 32 bits, or the bytes end before the rows do.
// pixelOffset, when not 0, is where the rows start (a file's data offset less its file header).
std::optional<Layout> layoutOf(std::span<const uint8_t> dib, size_t pixelOffset = 0);
// Whether the header of a packed DIB gives a side beyond the largest picture the editor takes.
bool exceedsMaxSide(std::span<const uint8_t> dib);
// The packed DIB inside the bytes of a BMP file and the offset of its rows, or nothing when the
// bytes do not start with a file header.
std::optional<std::pair<std::span<const uint8_t>, size_t>> insideFile(std::span<const uint8_t> file);

// Whether the BMP reader takes a DIB of that layout (1, 4, 8 or 24 bits, no compression).
bool isReadable(const Layout& layout);
// Reads a readable packed DIB as the file reader reads a file: the colour table goes into palette
// and 8-bit and smaller DIBs give an IndexedImage on it. Raises 1 for any other DIB.
std::shared_ptr<DIBImage> read(std::span<const uint8_t> dib, PaletteModel& palette, size_t pixelOffset = 0);

// The pixels of a picture to write: rows of width pixels of depth 8 or 24, row y at top + y x stride.
struct Rows {
    const uint8_t* top = nullptr;
    ptrdiff_t stride = 0;
    Point size;
    int depth = 8;

    static Rows of(const DIBImage& image);
};
// The bytes of the packed DIB the BMP writer writes for such rows after its file header.
size_t sizeOf(Point size, int depth);
// Writes that packed DIB into out, which holds exactly sizeOf bytes; 8-bit values become the
// palette's colour numbers and the table holds the palette's colours (no palette for 24 bits).
void write(const Rows& rows, const PaletteModel* palette, std::span<uint8_t> out);

} // namespace packedDib
