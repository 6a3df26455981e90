#include "formats/TiffFormat.h"

#include "base/ErrorFrame.h"
#include "base/FileScope.h"
#include "formats/PackedRows.h"
#include "formats/TiffFile.h"
#include "formats/TiffTags.h"
#include "palette/PaletteModel.h"
#include "pixels/IndexedImage.h"
#include "pixels/TrueColorImage.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr uint32_t maxSide = DIBImage::maxSide;
constexpr int32_t rowsPerCall = 256;

class TiffFormat : public ImageFormat {
public:
    int nameId() const override { return strings::tiffFormatName; }
    std::string_view extension() const override { return "tif"; }
    std::shared_ptr<DIBImage> readImage(PaletteModel& palette) override;
    std::vector<ColorRef> readColorTable() override;
    void writeImage(const DIBImage& image, const PaletteModel& palette) override;
};

// Reads the rows of image from the pixel stream, rowBytes each, a batch at a time when the rows lie
// back to back in memory; then hands each row to convert.
template <class Convert>
void readRows(TiffFile& tiff, DIBImage& image, size_t rowBytes, Convert convert)
{
    bool contiguous = size_t(image.stride()) == rowBytes;
    int32_t batch = contiguous ? rowsPerCall : 1;
    for (int32_t first = 0; first < image.height(); first += batch) {
        int32_t rows = std::min(batch, image.height() - first);
        size_t want = rowBytes * size_t(rows);
        if (tiff.readPixels(want, image.row(first)) != want)
            raiseError(errorQuiet);
        for (int32_t y = first; y < first + rows; ++y) {
            convert(image.row(y));
            image.clearPadding(y);
        }
    }
}

// Rows of rowBytes that fit a buffer small enough to stay in the processor's cache between the
// system call and the pass over it.
int32_t cachedRows(size_t rowBytes)
{
    constexpr size_t cachedBytes = 256 * 1024;
    return int32_t(std::clamp<size_t>(cachedBytes / rowBytes, 1, rowsPerCall));
}

// Reads red, green and blue rows into image's blue, green and red ones through a buffer that stays in
// the processor's cache, so that the picture's memory is written once, as a plain read writes it.
void readColorRows(TiffFile& tiff, DIBImage& image)
{
    size_t rowBytes = 3 * size_t(image.width());
    int32_t batch = cachedRows(rowBytes);
    std::vector<uint8_t> buffer(rowBytes * size_t(batch));
    for (int32_t first = 0; first < image.height(); first += batch) {
        int32_t rows = std::min(batch, image.height() - first);
        size_t want = rowBytes * size_t(rows);
        if (tiff.readPixels(want, buffer.data()) != want)
            raiseError(errorQuiet);
        for (int32_t i = 0; i < rows; ++i) {
            swapRedAndBlue(buffer.data() + rowBytes * size_t(i), image.row(first + i), size_t(image.width()));
            image.clearPadding(first + i);
        }
    }
}

bool isPaletted(const TiffFile& tiff)
{
    return tiff.fields.photometric == tiffValues::photometricPalette;
}

// Opens the file and reads its first directory, refused unless this reader can read the picture.
void openChecked(TiffFile& tiff)
{
    if (tiff.openForRead() != 0 || tiff.readDirectory() != 0)
        raiseError(errorQuiet);
    const TiffFile::ImageFields& fields = tiff.fields;
    bool paletted = isPaletted(tiff);
    if ((!paletted && fields.photometric != tiffValues::photometricRgb) ||
        fields.compression != tiffValues::uncompressed || fields.planarConfiguration != tiffValues::chunky)
        raiseError(errorQuiet);
    uint16_t bits = fields.bitsPerSample[0];
    if (paletted ? fields.samplesPerPixel != 1 || (bits != 4 && bits != 8)
                 : fields.samplesPerPixel != 3 || fields.bitsPerSample[0] != 8 || fields.bitsPerSample[1] != 8 ||
                       fields.bitsPerSample[2] != 8)
        raiseError(errorQuiet);
    if (fields.imageWidth > maxSide || fields.imageLength > maxSide)
        raiseError(errorImageTooLarge);
}

// The colour map of a checked paletted picture: one colour for each value its samples can hold.
std::vector<ColorRef> readColorMap(TiffFile& tiff)
{
    uint32_t n = 1u << tiff.fields.bitsPerSample[0];
    const TiffFile::TagRecord* colorMap = tiff.tag(tiffTags::colorMap);
    std::vector<uint32_t> values(3 * n);
    if (!colorMap || colorMap->type != TiffFile::typeShort ||
        tiff.valuesOf(tiffTags::colorMap, 3 * n, values.data()) < 3 * n)
        raiseError(errorQuiet);
    std::vector<ColorRef> colors(n);
    for (uint32_t i = 0; i < n; ++i)
        colors[i] = rgb(uint8_t(values[i] >> 8), uint8_t(values[n + i] >> 8), uint8_t(values[2 * n + i] >> 8));
    return colors;
}

std::shared_ptr<DIBImage> TiffFormat::readImage(PaletteModel& palette)
{
    TiffFile tiff(file);
    openChecked(tiff);
    const TiffFile::ImageFields& fields = tiff.fields;
    uint16_t bits = fields.bitsPerSample[0];
    Point size{int32_t(fields.imageWidth), int32_t(fields.imageLength)};

    if (!isPaletted(tiff)) {
        auto image = std::make_shared<TrueColorImage>();
        image->create(size);
        readColorRows(tiff, *image);
        return image;
    }

    std::vector<ColorRef> colors = readColorMap(tiff);
    std::array<uint8_t, 256> mapping;
    std::iota(mapping.begin(), mapping.end(), 0);
    palette.setColors(int(colors.size()), colors.data(), mapping.data());
    auto image = std::make_shared<IndexedImage>(palette.platformPalette());
    image->create(size);
    bool identity = std::is_sorted(mapping.begin(), mapping.end()) && mapping[255] == 255;
    if (bits == 4)
        readRows(tiff, *image, (size_t(size.x) + 1) / 2,
                 [&](uint8_t* row) { expandPackedRow(row, size.x, 4, mapping); });
    else
        readRows(tiff, *image, size_t(size.x), [&](uint8_t* row) {
            if (!identity)
                for (int32_t x = 0; x < size.x; ++x)
                    row[x] = mapping[row[x]];
        });
    return image;
}

std::vector<ColorRef> TiffFormat::readColorTable()
{
    TiffFile tiff(file);
    openChecked(tiff);
    if (!isPaletted(tiff))
        raiseError(errorQuiet);
    return readColorMap(tiff);
}

void TiffFormat::writeImage(const DIBImage& image, const PaletteModel& palette)
{
    // The system's refusal comes from creating the file; only what this write made is removed.
    file.createForWrite();
    FileScope scope(file, FileScope::OnFailure::remove);
    TiffFile tiff(file);
    tiff.openForWrite();
    Point size = image.extent();
    bool indexed = image.depth() == 8;
    tiff.fields.imageLength = uint32_t(size.y);
    tiff.fields.imageWidth = uint32_t(size.x);
    if (indexed) {
        tiff.fields.bitsPerSample = {8, 0, 0, 0, 0};
        tiff.fields.photometric = tiffValues::photometricPalette;
        tiff.fields.samplesPerPixel = 1;
        std::vector<uint16_t> colorMap(768);
        for (int i = 0; i < 256; ++i) {
            ColorRef c = palette.colorAt(i);
            colorMap[size_t(i)] = uint16_t(redOf(c) * 257);
            colorMap[size_t(256 + i)] = uint16_t(greenOf(c) * 257);
            colorMap[size_t(512 + i)] = uint16_t(blueOf(c) * 257);
        }
        tiff.addTag(tiffTags::colorMap, TiffFile::typeShort, 768, colorMap.data());
    } else {
        tiff.fields.bitsPerSample = {8, 8, 8, 0, 0};
        tiff.fields.photometric = tiffValues::photometricRgb;
        tiff.fields.samplesPerPixel = 3;
    }
    tiff.writeDirectory();

    // Rows top first, back to back; a document's stored values are its colour numbers, and colour
    // pixels go out as red, green, blue.
    size_t rowBytes = size_t(size.x) * (indexed ? 1 : 3);
    int32_t batch = cachedRows(rowBytes);
    std::vector<uint8_t> buffer;
    for (int32_t first = 0; first < size.y; first += batch) {
        int32_t rows = std::min(batch, size.y - first);
        buffer.resize(rowBytes * size_t(rows));
        for (int32_t i = 0; i < rows; ++i) {
            const uint8_t* from = image.row(first + i);
            uint8_t* to = &buffer[rowBytes * size_t(i)];
            if (indexed)
                std::copy_n(from, rowBytes, to);
            else
                swapRedAndBlue(from, to, size_t(size.x));
        }
        tiff.writePixels(buffer.size(), buffer.data());
    }
}

} // namespace

std::unique_ptr<ImageFormat> makeTiffFormat()
{
    return std::make_unique<TiffFormat>();
}
