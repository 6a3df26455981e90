#include "pixels/DecodedPicture.h"

#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/MaskImage.h"
#include "pixels/TrueColorImage.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>

#include <cstring>

namespace {

constexpr int opaqueAlpha = 128;

DecodedPicture fromIndexed(const QImage& source)
{
    QImage indexed =
        source.format() == QImage::Format_Indexed8 ? source : source.convertToFormat(QImage::Format_Indexed8);
    DecodedPicture picture;
    for (QRgb c : indexed.colorTable()) {
        picture.colors.push_back(rgb(uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c))));
        picture.clearValues.push_back(qAlpha(c) < opaqueAlpha);
    }
    // Values beyond the table have no colour: they are black, as in a file's table.
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(LogicalPalette::maxEntries);
    palette->setColors(0, picture.colors.data(), int(picture.colors.size()));
    auto image = std::make_shared<IndexedImage>(std::move(palette));
    image->create({indexed.width(), indexed.height()});
    for (int y = 0; y < indexed.height(); ++y)
        std::memcpy(image->row(y), indexed.constScanLine(y), size_t(indexed.width()));
    picture.image = std::move(image);
    return picture;
}

DecodedPicture fromTrueColor(const QImage& source)
{
    DecodedPicture picture;
    auto image = std::make_shared<TrueColorImage>();
    image->create({source.width(), source.height()});
    QImage bgr = source.convertToFormat(QImage::Format_BGR888);
    for (int y = 0; y < bgr.height(); ++y)
        std::memcpy(image->row(y), bgr.constScanLine(y), size_t(3 * bgr.width()));
    if (source.hasAlphaChannel()) {
        QImage argb = source.convertToFormat(QImage::Format_ARGB32);
        auto clear = MaskImage::newMask({argb.width(), argb.height()});
        clear->clear(false);
        for (int y = 0; y < argb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width();) {
                int start = x;
                while (x < argb.width() && qAlpha(line[x]) < opaqueAlpha)
                    ++x;
                if (x > start)
                    clear->setRun(y, start, x);
                while (x < argb.width() && qAlpha(line[x]) >= opaqueAlpha)
                    ++x;
            }
        }
        picture.clearDots = std::move(clear);
    }
    picture.image = std::move(image);
    return picture;
}

DecodedPicture refusal(DecodedPicture::Refusal why)
{
    DecodedPicture picture;
    picture.refused = why;
    return picture;
}

bool tooLarge(QSize size)
{
    return size.width() > DIBImage::maxSide || size.height() > DIBImage::maxSide;
}

// Reads the picture once its header has shown a size the editor takes. Qt's own limit on what a
// reader may allocate is raised to what the largest such picture needs at 64 bits a dot.
DecodedPicture read(const QByteArray& bytes, const char* format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (tooLarge(reader.size()))
        return refusal(DecodedPicture::Refusal::tooLarge);
    constexpr int largestMegabytes = int(int64_t(DIBImage::maxSide) * DIBImage::maxSide * 8 >> 20) + 1;
    QImageReader::setAllocationLimit(std::max(QImageReader::allocationLimit(), largestMegabytes));
    return decodedFrom(reader.read());
}

} // namespace

DecodedPicture decodedFrom(const QImage& image)
{
    if (image.isNull())
        return refusal(DecodedPicture::Refusal::unreadable);
    if (tooLarge(image.size()))
        return refusal(DecodedPicture::Refusal::tooLarge);
    switch (image.format()) {
    case QImage::Format_Indexed8:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return fromIndexed(image);
    default: return fromTrueColor(image);
    }
}

DecodedPicture decodePicture(std::span<const uint8_t> bytes)
{
    return read(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), nullptr);
}

DecodedPicture decodePackedDib(std::span<const uint8_t> dib, size_t pixelOffset)
{
    constexpr size_t fileHeaderSize = 14;
    QByteArray file(qsizetype(fileHeaderSize), '\0');
    auto put32 = [&file](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = char(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, uint32_t(fileHeaderSize + dib.size()));
    put32(10, uint32_t(fileHeaderSize + pixelOffset));
    file.append(reinterpret_cast<const char*>(dib.data()), qsizetype(dib.size()));
    return read(file, "BMP");
}
