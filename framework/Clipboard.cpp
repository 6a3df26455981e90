#include "framework/Clipboard.h"

#include "pixels/DIBImage.h"
#include "pixels/PngWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMimeData>

namespace clipboard {

namespace {

const QString dibType = QStringLiteral("application/x-tilvaner-dib");
const QString markerType = QStringLiteral("application/x-tilvaner-marker");
const QString bmpType = QStringLiteral("image/bmp");
const QString pngType = QStringLiteral("image/png");
constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype infoHeaderSize = 40;

uint32_t le32(std::span<const uint8_t> at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

QByteArray bmpFileOf(const QByteArray& dib)
{
    // The rows follow the header and, for 8 bits, the full table the copy always writes.
    auto bits = uint16_t(uint8_t(dib[14]) | uint8_t(dib[15]) << 8);
    uint32_t dataOffset = uint32_t(fileHeaderSize + infoHeaderSize + (bits == 8 ? 4 * 256 : 0));
    uint32_t fileSize = uint32_t(fileHeaderSize + dib.size());
    QByteArray file(fileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        file[2 + i] = char(fileSize >> (8 * i));
        file[10 + i] = char(dataOffset >> (8 * i));
    }
    return file + dib;
}

// A copy on the clipboard: the DIB and the marker as they are, the BMP file and the PNG picture
// made from the DIB the first time someone asks for them.
class CopiedPicture : public QMimeData {
public:
    CopiedPicture(QByteArray dib, QByteArray marker) : m_dib(std::move(dib)), m_marker(std::move(marker)) {}

    QStringList formats() const override { return {dibType, markerType, bmpType, pngType}; }
    bool hasFormat(const QString& type) const override { return formats().contains(type); }

protected:
    QVariant retrieveData(const QString& type, QMetaType) const override
    {
        if (type == dibType)
            return m_dib;
        if (type == markerType)
            return m_marker;
        if (type == bmpType)
            return bmpFile();
        if (type == pngType)
            return png();
        return {};
    }

private:
    const QByteArray& bmpFile() const
    {
        if (m_bmpFile.isEmpty())
            m_bmpFile = bmpFileOf(m_dib);
        return m_bmpFile;
    }
    // Encoded from the copy's own rows, which are bottom-up with the table the copy always writes:
    // no decoding of the DIB, so every size the editor allows is offered.
    const QByteArray& png() const
    {
        if (m_png.isEmpty()) {
            auto bytes = std::span(reinterpret_cast<const uint8_t*>(m_dib.constData()), size_t(m_dib.size()));
            Point size{int32_t(le32(bytes.subspan(4))), int32_t(le32(bytes.subspan(8)))};
            int depth = bytes[14];
            size_t tableSize = depth == 8 ? 4 * 256 : 0;
            auto rowLength = ptrdiff_t(DIBImage::rowLength(depth, size.x));
            const uint8_t* bottom = bytes.data() + infoHeaderSize + tableSize;
            std::vector<uint8_t> encoded = encodePng(
                {bottom + (size.y - 1) * rowLength, -rowLength, size, depth, bytes.subspan(infoHeaderSize, tableSize)});
            m_png = QByteArray(reinterpret_cast<const char*>(encoded.data()), qsizetype(encoded.size()));
        }
        return m_png;
    }

    QByteArray m_dib;
    QByteArray m_marker;
    mutable QByteArray m_bmpFile;
    mutable QByteArray m_png;
};

// The first picture type of the data that the desktop's image readers know, or "".
QString readableType(const QMimeData& data)
{
    const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
    for (const QString& type : data.formats())
        if (readable.contains(type.toLatin1()))
            return type;
    return {};
}

Bytes bytesIn(const QMimeData& data, const QString& type)
{
    auto held = std::make_shared<const QByteArray>(data.data(type));
    std::span<const uint8_t> span(reinterpret_cast<const uint8_t*>(held->constData()), size_t(held->size()));
    return Bytes(held, span);
}

} // namespace

bool holdsImage()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data &&
           (data->hasFormat(dibType) || data->hasFormat(bmpType) || data->hasImage() || !readableType(*data).isEmpty());
}

void publishDib(size_t size, const std::function<void(std::span<uint8_t>)>& fill, std::span<const uint8_t> marker)
{
    QByteArray dib(qsizetype(size), Qt::Uninitialized);
    fill(std::span(reinterpret_cast<uint8_t*>(dib.data()), size));
    QByteArray markerBytes(reinterpret_cast<const char*>(marker.data()), qsizetype(marker.size()));
    QGuiApplication::clipboard()->setMimeData(new CopiedPicture(std::move(dib), std::move(markerBytes)));
}

std::vector<std::string> types()
{
    std::vector<std::string> all;
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        for (const QString& type : data->formats())
            all.push_back(type.toStdString());
    return all;
}

Bytes bytesOf(const std::string& type)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QString name = QString::fromStdString(type);
    return data && data->hasFormat(name) ? bytesIn(*data, name) : Bytes();
}

void publish(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& data)
{
    auto mime = new QMimeData;
    for (const auto& [type, bytes] : data)
        mime->setData(QString::fromStdString(type),
                      QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
}

Contents take()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    Contents contents;
    if (!data)
        return contents;
    if (data->hasFormat(dibType)) {
        contents.kind = Contents::Kind::dib;
        contents.marked = data->hasFormat(markerType);
        contents.bytes = bytesIn(*data, dibType);
    } else if (data->hasFormat(bmpType)) {
        contents.kind = Contents::Kind::bmpFile;
        contents.bytes = bytesIn(*data, bmpType);
    } else if (QString type = readableType(*data); !type.isEmpty()) {
        // The file's own bytes: Qt's image conversion would lose an indexed picture's table.
        contents.kind = Contents::Kind::picture;
        Bytes bytes = bytesIn(*data, type);
        contents.picture = decodePicture(bytes.span());
    } else if (data->hasImage()) {
        contents.kind = Contents::Kind::picture;
        contents.picture = decodedFrom(qvariant_cast<QImage>(data->imageData()));
    }
    return contents;
}

} // namespace clipboard
