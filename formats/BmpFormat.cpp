#include "formats/BmpFormat.h"

#include "base/ErrorFrame.h"
#include "base/FileScope.h"
#include "formats/PackedRows.h"
#include "framework/IndexedImage.h"
#include "framework/TrueColorImage.h"
#include "palette/PaletteModel.h"
#include "resources/StringTable.h"

#include <array>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

constexpr int32_t maxSide = 10000;
constexpr uint32_t infoHeaderSize = 40;
constexpr uint32_t fileHeaderSize = 14;
constexpr int32_t rowsPerCall = 256;

uint32_t u32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t u16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

void put32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

void put16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

class BmpFormat : public ImageFormat {
public:
    int nameId() const override { return strings::bmpFormatName; }
    std::string_view extension() const override { return "bmp"; }
    std::shared_ptr<DIBImage> readImage(PaletteModel& palette) override;
    void writeImage(const DIBImage& image, const PaletteModel& palette) override;
};

std::shared_ptr<DIBImage> BmpFormat::readImage(PaletteModel& palette)
{
    FileScope scope(file, FileScope::OnFailure::keep);
    file.openForRead();
    std::array<uint8_t, fileHeaderSize + infoHeaderSize> header;
    file.read(header.data(), header.size());
    const uint8_t* info = header.data() + fileHeaderSize;
    uint32_t dataOffset = u32(&header[10]);
    uint32_t headerSize = u32(info);
    int32_t width = int32_t(u32(info + 4));
    int32_t height = int32_t(u32(info + 8));
    uint16_t bits = u16(info + 14);
    uint32_t colorsUsed = u32(info + 32);

    if (header[0] != 'B' || header[1] != 'M' || u16(info + 12) != 1 || u32(info + 16) != 0 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24))
        raiseError(errorQuiet);
    // Longer info headers of newer writers are fine; the colour table follows whatever the length.
    if (headerSize < infoHeaderSize)
        raiseError(errorQuiet);
    if (width > maxSide || height > maxSide || height < -maxSide)
        raiseError(errorImageTooLarge);
    if (width <= 0 || height == 0 || colorsUsed > 256)
        raiseError(errorQuiet);

    std::array<uint8_t, 256> mapping;
    std::iota(mapping.begin(), mapping.end(), 0);
    std::shared_ptr<DIBImage> image;
    int64_t tableStart = int64_t(fileHeaderSize) + headerSize;
    // Pixels that start inside the headers or the colour table would turn those bytes into dots.
    uint32_t tableEntries = bits == 24 ? colorsUsed : colorsUsed ? colorsUsed : 1u << bits;
    if (dataOffset != 0 && int64_t(dataOffset) < tableStart + 4 * int64_t(tableEntries))
        raiseError(errorQuiet);
    if (bits == 24) {
        file.seek(tableStart + int64_t(colorsUsed) * 4, FilePath::Origin::start);
        image = std::make_shared<TrueColorImage>();
    } else {
        uint32_t count = tableEntries;
        std::array<uint8_t, 4 * 256> table;
        file.seek(tableStart, FilePath::Origin::start);
        file.read(table.data(), 4 * count);
        std::array<ColorRef, 256> colors;
        for (uint32_t i = 0; i < count; ++i)
            colors[i] = rgb(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
        palette.setColors(int(count), colors.data(), mapping.data());
        image = std::make_shared<IndexedImage>(palette.platformPalette());
    }
    if (dataOffset != 0)
        file.seek(dataOffset, FilePath::Origin::start);

    int32_t rows = height < 0 ? -height : height;
    image->create({width, rows});
    bool identity = true;
    for (int i = 0; i < 256; ++i)
        identity = identity && mapping[size_t(i)] == i;
    // Rows stream straight into the image, a batch of them per system call.
    size_t fileRowLength = size_t(DIBImage::rowLength(bits, width));
    std::vector<FilePath::Slice> batch;
    for (int32_t first = 0; first < rows; first += rowsPerCall) {
        batch.clear();
        for (int32_t i = first; i < std::min(rows, first + rowsPerCall); ++i)
            batch.push_back({image->row(height < 0 ? i : rows - 1 - i), fileRowLength});
        file.read(batch);
        for (int32_t i = first; i < std::min(rows, first + rowsPerCall); ++i) {
            int32_t y = height < 0 ? i : rows - 1 - i;
            uint8_t* row = image->row(y);
            if (bits < 8)
                expandPackedRow(row, width, bits, mapping);
            else if (bits == 8 && !identity)
                for (int32_t x = 0; x < width; ++x)
                    row[x] = mapping[row[x]];
            image->clearPadding(y);
        }
    }
    return image;
}

void BmpFormat::writeImage(const DIBImage& image, const PaletteModel& palette)
{
    // A file that cannot be created is left as it is; only what this write made is removed.
    file.createForWrite();
    FileScope scope(file, FileScope::OnFailure::remove);
    Point size = image.extent();
    uint32_t rowLength = uint32_t(std::abs(image.stride()));
    bool indexed = image.depth() == 8;
    uint32_t dataOffset = fileHeaderSize + infoHeaderSize + (indexed ? 4 * 256 : 0);

    std::array<uint8_t, fileHeaderSize + infoHeaderSize> header{};
    header[0] = 'B';
    header[1] = 'M';
    put32(&header[2], uint32_t(size.y) * rowLength + dataOffset);
    put32(&header[10], dataOffset);
    uint8_t* info = header.data() + fileHeaderSize;
    put32(info, infoHeaderSize);
    put32(info + 4, uint32_t(size.x));
    put32(info + 8, uint32_t(size.y));
    put16(info + 12, 1);
    put16(info + 14, uint16_t(image.depth()));
    file.write(header.data(), header.size());

    if (indexed) {
        std::array<uint8_t, 4 * 256> table{};
        for (int i = 0; i < 256; ++i) {
            ColorRef c = palette.colorAt(i);
            table[size_t(4 * i)] = blueOf(c);
            table[size_t(4 * i + 1)] = greenOf(c);
            table[size_t(4 * i + 2)] = redOf(c);
        }
        file.write(table.data(), table.size());
    }
    // A document's stored pixel values are its colour numbers, so rows go out as they are in memory,
    // bottom row first, a batch of them per system call.
    std::vector<FilePath::Slice> batch;
    for (int32_t last = size.y - 1; last >= 0; last -= rowsPerCall) {
        batch.clear();
        for (int32_t y = last; y >= std::max(0, last - rowsPerCall + 1); --y)
            batch.push_back({const_cast<uint8_t*>(image.row(y)), rowLength});
        file.write(batch);
    }
}

} // namespace

std::unique_ptr<ImageFormat> makeBmpFormat()
{
    return std::make_unique<BmpFormat>();
}
