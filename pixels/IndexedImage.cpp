#include "pixels/IndexedImage.h"

#include "pixels/LogicalPalette.h"

#include <QImage>

#include <cstring>

IndexedImage::IndexedImage(std::shared_ptr<LogicalPalette> palette) : DIBImage(8)
{
    setPalette(std::move(palette));
}

std::shared_ptr<DIBImage> IndexedImage::newOfSameKind() const
{
    return std::make_shared<IndexedImage>(m_palette);
}

int IndexedImage::colorCount() const
{
    return m_palette ? m_palette->size() : 0;
}

void IndexedImage::fillColorTable(uint8_t* table) const
{
    for (int n = colorCount() - 1; n >= 0; --n) {
        ColorRef c = m_palette->colorAt(n);
        uint8_t* entry = table + 4 * n;
        entry[0] = blueOf(c);
        entry[1] = greenOf(c);
        entry[2] = redOf(c);
        entry[3] = 0;
    }
}

ColorRef IndexedImage::pixelAt(Point p) const
{
    return paletteIndex(row(p.y)[p.x]);
}

void IndexedImage::fillRun(uint8_t* buffer, ColorRef value, int count) const
{
    std::memset(buffer, int(value & 0xFF), size_t(count));
}

void IndexedImage::setPalette(std::shared_ptr<LogicalPalette> palette)
{
    m_palette = std::move(palette);
    if (!m_palette)
        return;
    std::array<uint8_t, 4 * 256> table{};
    fillColorTable(table.data());
    for (size_t n = 0; n < m_colorTable.size(); ++n)
        m_colorTable[n] = qRgb(table[4 * n + 2], table[4 * n + 1], table[4 * n]);
}

QImage IndexedImage::sourceImage(const Rect& source) const
{
    QImage image(row(source.top) + source.left, source.width(), source.height(), stride(), QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(m_colorTable.begin(), m_colorTable.end()));
    return image;
}

// Painting happens in index space: a grey level n is palette index n, written straight into the rows.
QImage IndexedImage::beginDrawing()
{
    return QImage(bits(), width(), height(), stride(), QImage::Format_Grayscale8);
}
