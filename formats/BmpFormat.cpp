#include "formats/BmpFormat.h"

#include "base/ErrorFrame.h"
#include "base/FileScope.h"
#include "formats/PackedRows.h"
#include "palette/PaletteModel.h"
#include "pixels/IndexedImage.h"
#include "pixels/TrueColorImage.h"
#include "resources/StringTable.h"

#include <array>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

constexpr int32_t maxSide = DIBImage::maxSide;
constexpr uint32_t infoHeaderSize = 40;
constexpr uint32_t fileHeaderSize = uint32_t(packedDib::fileHeaderSize);
constexpr uint32_t bitFieldsCompression = 3;
constexpr uint32_t maskBytes = 12;
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

struct InfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bits;
    uint32_t compression;
    uint32_t colorsUsed;
};

InfoHeader parseInfo(const uint8_t* info)
{
    return {u32(info),      int32_t(u32(info + 4)), int32_t(u32(info + 8)), u16(info + 12),
            u16(info + 14), u32(info + 16),         u32(info + 32)};
}

// Entries of the colour table: as many as are used, all the depth has when that is 0, and none for
// deep pixels that carry their colours themselves.
uint32_t tableEntriesOf(const InfoHeader& info)
{
    if (info.bits >= 16)
        return info.colorsUsed;
    return info.colorsUsed ? info.colorsUsed : 1u << info.bits;
}

// Where the reader takes its bytes from: an open file or a block in memory. Offsets count from the
// start of the file or of the block.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual void read(std::span<FilePath::Slice> slices) = 0;
    virtual void seek(int64_t offset) = 0;
    void read(void* buffer, size_t n)
    {
        FilePath::Slice slice{buffer, n};
        read(std::span(&slice, 1));
    }
};

class FileSource : public ByteSource {
public:
    explicit FileSource(FilePath& file) : m_file(file) {}
    void read(std::span<FilePath::Slice> slices) override { m_file.read(slices); }
    void seek(int64_t offset) override { m_file.seek(offset, FilePath::Origin::start); }
    using ByteSource::read;

private:
    FilePath& m_file;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    void read(std::span<FilePath::Slice> slices) override
    {
        for (const FilePath::Slice& slice : slices) {
            if (slice.size > m_bytes.size() - m_position)
                raiseError(errorFileTooShort);
            std::memcpy(slice.data, m_bytes.data() + m_position, slice.size);
            m_position += slice.size;
        }
    }
    void seek(int64_t offset) override
    {
        m_position = offset < 0 ? m_bytes.size() : std::min(size_t(offset), m_bytes.size());
    }
    using ByteSource::read;

private:
    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
};

// The colour table of a checked header with 8 bits or fewer, from tableStart.
std::vector<ColorRef> readTable(ByteSource& source, const InfoHeader& info, int64_t tableStart)
{
    uint32_t count = tableEntriesOf(info);
    std::array<uint8_t, 4 * 256> table;
    source.seek(tableStart);
    source.read(table.data(), 4 * count);
    std::vector<ColorRef> colors(count);
    for (uint32_t i = 0; i < count; ++i)
        colors[i] = rgb(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
    return colors;
}

// The colour table and the rows of a checked header, from tableStart and dataOffset (0: right after
// the table).
std::shared_ptr<DIBImage> readBody(ByteSource& source, const InfoHeader& info, int64_t tableStart, int64_t dataOffset,
                                   PaletteModel& palette)
{
    std::array<uint8_t, 256> mapping;
    std::iota(mapping.begin(), mapping.end(), 0);
    std::shared_ptr<DIBImage> image;
    uint32_t bits = info.bits;
    if (bits == 24) {
        source.seek(tableStart + int64_t(info.colorsUsed) * 4);
        image = std::make_shared<TrueColorImage>();
    } else {
        std::vector<ColorRef> colors = readTable(source, info, tableStart);
        palette.setColors(int(colors.size()), colors.data(), mapping.data());
        image = std::make_shared<IndexedImage>(palette.platformPalette());
    }
    if (dataOffset != 0)
        source.seek(dataOffset);

    int32_t width = info.width;
    int32_t height = info.height;
    int32_t rows = height < 0 ? -height : height;
    image->create({width, rows});
    bool identity = true;
    for (int i = 0; i < 256; ++i)
        identity = identity && mapping[size_t(i)] == i;
    // Rows stream straight into the image, a batch of them per system call.
    size_t sourceRowLength = size_t(DIBImage::rowLength(int32_t(bits), width));
    std::vector<FilePath::Slice> batch;
    for (int32_t first = 0; first < rows; first += rowsPerCall) {
        batch.clear();
        for (int32_t i = first; i < std::min(rows, first + rowsPerCall); ++i)
            batch.push_back({image->row(height < 0 ? i : rows - 1 - i), sourceRowLength});
        source.read(batch);
        for (int32_t i = first; i < std::min(rows, first + rowsPerCall); ++i) {
            int32_t y = height < 0 ? i : rows - 1 - i;
            uint8_t* row = image->row(y);
            if (bits < 8)
                expandPackedRow(row, width, int(bits), mapping);
            else if (bits == 8 && !identity)
                for (int32_t x = 0; x < width; ++x)
                    row[x] = mapping[row[x]];
            image->clearPadding(y);
        }
    }
    return image;
}

// Where the writer puts its bytes: a file or a block in memory of the exact size.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(std::span<FilePath::Slice> slices) = 0;
    void write(const void* buffer, size_t n)
    {
        FilePath::Slice slice{const_cast<void*>(buffer), n};
        write(std::span(&slice, 1));
    }
};

class FileSink : public ByteSink {
public:
    explicit FileSink(FilePath& file) : m_file(file) {}
    void write(std::span<FilePath::Slice> slices) override { m_file.write(slices); }
    using ByteSink::write;

private:
    FilePath& m_file;
};

class MemorySink : public ByteSink {
public:
    explicit MemorySink(std::span<uint8_t> out) : m_out(out) {}
    void write(std::span<FilePath::Slice> slices) override
    {
        for (const FilePath::Slice& slice : slices) {
            if (slice.size > m_out.size() - m_position)
                raiseError(errorDiskFull);
            std::memcpy(m_out.data() + m_position, slice.data, slice.size);
            m_position += slice.size;
        }
    }
    using ByteSink::write;

private:
    std::span<uint8_t> m_out;
    size_t m_position = 0;
};

// The info header, the colour table of an 8-bit picture and the rows, bottom row first.
void writeBody(ByteSink& sink, const packedDib::Rows& rows, const PaletteModel* palette)
{
    Point size = rows.size;
    bool indexed = rows.depth == 8;
    std::array<uint8_t, infoHeaderSize> info{};
    put32(info.data(), infoHeaderSize);
    put32(&info[4], uint32_t(size.x));
    put32(&info[8], uint32_t(size.y));
    put16(&info[12], 1);
    put16(&info[14], uint16_t(rows.depth));
    sink.write(info.data(), info.size());

    // Stored values are the palette's entries; the file holds colour numbers.
    std::array<uint8_t, 256> toNumber;
    bool identity = true;
    if (indexed) {
        std::array<uint8_t, 4 * 256> table{};
        for (int i = 0; i < 256; ++i) {
            ColorRef c = palette->colorAt(i);
            table[size_t(4 * i)] = blueOf(c);
            table[size_t(4 * i + 1)] = greenOf(c);
            table[size_t(4 * i + 2)] = redOf(c);
        }
        sink.write(table.data(), table.size());
        std::iota(toNumber.begin(), toNumber.end(), 0);
        for (int i = 255; i >= 0; --i)
            toNumber[size_t(palette->entryOf(i))] = uint8_t(i);
        for (int i = 0; i < 256; ++i)
            identity = identity && toNumber[size_t(i)] == i;
    }
    size_t used = size_t(rows.depth / 8) * size_t(size.x);
    size_t rowLength = size_t(DIBImage::rowLength(rows.depth, size.x));
    static const std::array<uint8_t, 4> zeros{};
    std::vector<uint8_t> translated(identity ? 0 : size_t(rowsPerCall) * used);
    // A batch of rows per system call, each with its padding.
    std::vector<FilePath::Slice> batch;
    for (int32_t last = size.y - 1; last >= 0; last -= rowsPerCall) {
        batch.clear();
        uint8_t* buffer = translated.data();
        for (int32_t y = last; y >= std::max(0, last - rowsPerCall + 1); --y) {
            const uint8_t* row = rows.top + ptrdiff_t(y) * rows.stride;
            if (!identity) {
                for (size_t x = 0; x < used; ++x)
                    buffer[x] = toNumber[row[x]];
                row = buffer;
                buffer += used;
            }
            batch.push_back({const_cast<uint8_t*>(row), used});
            batch.push_back({const_cast<uint8_t*>(zeros.data()), rowLength - used});
        }
        sink.write(batch);
    }
}

class BmpFormat : public ImageFormat {
public:
    int nameId() const override { return strings::bmpFormatName; }
    std::string_view extension() const override { return "bmp"; }
    std::shared_ptr<DIBImage> readImage(PaletteModel& palette) override;
    std::vector<ColorRef> readColorTable() override;
    void writeImage(const DIBImage& image, const PaletteModel& palette) override;
};

struct CheckedHeader {
    InfoHeader info;
    int64_t tableStart;
    uint32_t dataOffset;
};

// The headers of the open file, refused unless this reader can read the picture.
CheckedHeader readCheckedHeader(FilePath& file)
{
    std::array<uint8_t, fileHeaderSize + infoHeaderSize> header;
    file.read(header.data(), header.size());
    InfoHeader info = parseInfo(header.data() + fileHeaderSize);
    uint32_t dataOffset = u32(&header[10]);

    if (header[0] != 'B' || header[1] != 'M' || info.planes != 1 || info.compression != 0 ||
        (info.bits != 1 && info.bits != 4 && info.bits != 8 && info.bits != 24))
        raiseError(errorQuiet);
    // Longer info headers of newer writers are fine; the colour table follows whatever the length.
    if (info.size < infoHeaderSize)
        raiseError(errorQuiet);
    if (info.width > maxSide || info.height > maxSide || info.height < -maxSide)
        raiseError(errorImageTooLarge);
    if (info.width <= 0 || info.height == 0 || info.colorsUsed > 256)
        raiseError(errorQuiet);

    int64_t tableStart = int64_t(fileHeaderSize) + info.size;
    // Pixels that start inside the headers or the colour table would turn those bytes into dots.
    if (dataOffset != 0 && int64_t(dataOffset) < tableStart + 4 * int64_t(tableEntriesOf(info)))
        raiseError(errorQuiet);
    return {info, tableStart, dataOffset};
}

std::shared_ptr<DIBImage> BmpFormat::readImage(PaletteModel& palette)
{
    FileScope scope(file, FileScope::OnFailure::keep);
    file.openForRead();
    CheckedHeader header = readCheckedHeader(file);
    FileSource source(file);
    return readBody(source, header.info, header.tableStart, header.dataOffset, palette);
}

std::vector<ColorRef> BmpFormat::readColorTable()
{
    FileScope scope(file, FileScope::OnFailure::keep);
    file.openForRead();
    CheckedHeader header = readCheckedHeader(file);
    if (header.info.bits > 8)
        raiseError(errorQuiet);
    FileSource source(file);
    return readTable(source, header.info, header.tableStart);
}

void BmpFormat::writeImage(const DIBImage& image, const PaletteModel& palette)
{
    // A file that cannot be created is left as it is; only what this write made is removed.
    file.createForWrite();
    FileScope scope(file, FileScope::OnFailure::remove);
    packedDib::Rows rows = packedDib::Rows::of(image);
    uint32_t dataOffset = fileHeaderSize + infoHeaderSize + (image.depth() == 8 ? 4 * 256 : 0);
    std::array<uint8_t, fileHeaderSize> header{};
    header[0] = 'B';
    header[1] = 'M';
    put32(&header[2], uint32_t(fileHeaderSize + packedDib::sizeOf(rows.size, rows.depth)));
    put32(&header[10], dataOffset);
    file.write(header.data(), header.size());
    FileSink sink(file);
    writeBody(sink, rows, &palette);
}

} // namespace

std::unique_ptr<ImageFormat> makeBmpFormat()
{
    return std::make_unique<BmpFormat>();
}

namespace packedDib {

std::optional<Layout> layoutOf(std::span<const uint8_t> dib, size_t pixelOffset)
{
    if (dib.size() < infoHeaderSize)
        return std::nullopt;
    InfoHeader info = parseInfo(dib.data());
    int64_t rows = info.height < 0 ? -int64_t(info.height) : int64_t(info.height);
    uint32_t bits = info.bits;
    bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    bool deep = bits == 16 || bits == 32;
    bool bitFields = info.compression == bitFieldsCompression;
    if (info.size < infoHeaderSize || info.planes != 1 || info.width < 1 || info.width > maxSide || rows < 1 ||
        rows > maxSide || !knownDepth || info.colorsUsed > (bits >= 8 ? 256u : 1u << bits) ||
        !(info.compression == 0 || (bitFields && deep)))
        return std::nullopt;
    // Sums in 64 bits: no header field can wrap them round into the block.
    uint64_t tableOffset = uint64_t(info.size) + (info.size == infoHeaderSize && bitFields ? maskBytes : 0);
    uint64_t tableEnd = tableOffset + 4 * uint64_t(tableEntriesOf(info));
    if (pixelOffset != 0 && pixelOffset < tableEnd)
        return std::nullopt;
    uint64_t pixels = pixelOffset != 0 ? pixelOffset : tableEnd;
    uint64_t end = pixels + uint64_t(DIBImage::rowLength(int32_t(bits), info.width)) * uint64_t(rows);
    if (end > dib.size())
        return std::nullopt;
    return Layout{info.width,           info.height,         int(bits),     bitFields,
                  tableEntriesOf(info), size_t(tableOffset), size_t(pixels)};
}

bool exceedsMaxSide(std::span<const uint8_t> dib)
{
    if (dib.size() < infoHeaderSize)
        return false;
    InfoHeader info = parseInfo(dib.data());
    return info.width > maxSide || info.height > maxSide || info.height < -maxSide;
}

std::optional<std::pair<std::span<const uint8_t>, size_t>> insideFile(std::span<const uint8_t> file)
{
    if (file.size() < fileHeaderSize || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    uint32_t dataOffset = u32(&file[10]);
    if (dataOffset != 0 && dataOffset <= fileHeaderSize)
        return std::nullopt;
    return std::pair{file.subspan(fileHeaderSize), dataOffset ? size_t(dataOffset - fileHeaderSize) : size_t(0)};
}

bool isReadable(const Layout& layout)
{
    return !layout.bitFields && layout.bits != 16 && layout.bits != 32;
}

std::shared_ptr<DIBImage> read(std::span<const uint8_t> dib, PaletteModel& palette, size_t pixelOffset)
{
    std::optional<Layout> layout = layoutOf(dib, pixelOffset);
    if (!layout || !isReadable(*layout))
        raiseError(errorQuiet);
    MemorySource source(dib);
    return readBody(source, parseInfo(dib.data()), int64_t(layout->tableOffset), int64_t(layout->pixelOffset), palette);
}

Rows Rows::of(const DIBImage& image)
{
    return {image.row(0), image.stride(), image.extent(), image.depth()};
}

size_t sizeOf(Point size, int depth)
{
    return infoHeaderSize + (depth == 8 ? 4 * 256 : 0) + size_t(size.y) * size_t(DIBImage::rowLength(depth, size.x));
}

void write(const Rows& rows, const PaletteModel* palette, std::span<uint8_t> out)
{
    MemorySink sink(out);
    writeBody(sink, rows, palette);
}

} // namespace packedDib
