#include "framework/GraphicsContext.h"

#include "base/ByteShuffle.h"
#include "base/ErrorFrame.h"
#include "core/DigitalLine.h"
#include "pixels/DIBImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/QtGeometry.h"
#include "pixels/Region.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

QPainter::CompositionMode compositionFor(RasterOp op)
{
    switch (op) {
    case RasterOp::sourceInvert: return QPainter::RasterOp_SourceXorDestination;
    case RasterOp::sourceAnd: return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::sourcePaint: return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::sourceCopy: break;
    }
    return QPainter::CompositionMode_Source;
}

// A rectangle as a range per axis plus whether it is mirrored on that axis.
struct Span {
    int32_t low, high;
    bool mirrored;
};

Span span(int32_t from, int32_t to)
{
    return to < from ? Span{to, from, true} : Span{from, to, false};
}

} // namespace

// Into an 8-bit image an 8-bit source copies its indices, not the colours they stand for; any other
// source takes the nearest entries of the selected palette.
QImage GraphicsContext::asPaletteIndices(const QImage& image) const
{
    QImage indices = image;
    if (image.format() == QImage::Format_Indexed8) {
        indices.reinterpretAsFormat(QImage::Format_Grayscale8);
        return indices;
    }
    QImage colors = image.convertToFormat(QImage::Format_RGB32);
    indices = QImage(image.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colors.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(colors.constScanLine(y));
        uchar* to = indices.scanLine(y);
        for (int x = 0; x < colors.width(); ++x)
            to[x] = uchar(
                qGray(resolve(rgb(uint8_t(qRed(from[x])), uint8_t(qGreen(from[x])), uint8_t(qBlue(from[x])))).rgb()));
    }
    return indices;
}

GraphicsContext::GraphicsContext(ColorSpace space, std::shared_ptr<LogicalPalette> palette)
    : m_painter(std::make_unique<QPainter>()), m_space(space), m_palette(std::move(palette))
{
}

GraphicsContext::~GraphicsContext() = default;

void GraphicsContext::begin(QPaintDevice* device)
{
    if (!m_painter->begin(device))
        raiseError(errorOutOfMemory);
    restoreDefaults();
}

void GraphicsContext::end()
{
    if (m_painter->isActive()) {
        restoreDefaults();
        m_painter->end();
    }
}

QColor GraphicsContext::resolve(ColorRef color) const
{
    const LogicalPalette* palette = m_palette.get();
    switch (m_space) {
    case ColorSpace::paletteIndex: {
        int index = isPaletteIndex(color) ? int(color & 0xFF) : palette ? palette->nearestIndex(color) : 0;
        return QColor(index, index, index);
    }
    case ColorSpace::bit:
    case ColorSpace::rgb: break;
    }
    if (isPaletteIndex(color))
        color = palette ? palette->colorAt(int(color & 0xFF)) : rgb(0, 0, 0);
    if (m_space == ColorSpace::bit) {
        int level = redOf(color) + greenOf(color) + blueOf(color) >= 3 * 128 ? 255 : 0;
        return QColor(level, level, level);
    }
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

Rect GraphicsContext::clipBox() const
{
    QRect box = m_painter->hasClipping() ? m_painter->clipBoundingRect().toAlignedRect()
                                         : QRect(0, 0, m_painter->device()->width(), m_painter->device()->height());
    return toRect(box);
}

GraphicsContext& GraphicsContext::intersectClip(const Rect& rect)
{
    if (m_painter->hasClipping())
        m_painter->setClipRect(toQRect(rect), Qt::IntersectClip);
    else
        m_painter->setClipRect(toQRect(rect));
    return *this;
}

GraphicsContext& GraphicsContext::select(const GraphicsPen& pen)
{
    m_pen = pen;
    return *this;
}

GraphicsContext& GraphicsContext::select(const Brush& brush)
{
    m_brush = brush;
    return *this;
}

GraphicsContext& GraphicsContext::selectPalette(std::shared_ptr<LogicalPalette> palette)
{
    m_palette = std::move(palette);
    return *this;
}

GraphicsContext& GraphicsContext::selectPattern(const Brush& brush, Point origin)
{
    m_painter->setBrushOrigin(origin.x & 7, origin.y & 7);
    return select(brush);
}

GraphicsContext& GraphicsContext::moveTo(Point p)
{
    m_position = p;
    return *this;
}

GraphicsContext& GraphicsContext::lineTo(Point p)
{
    if (m_pen.width <= 1 && (p.x == m_position.x || p.y == m_position.y)) {
        // Across or down, the line's dots are one rectangle, filled in one call.
        if (Rect dots = straightLineDots(m_position, p); !dots.isEmpty())
            m_painter->fillRect(toQRect(dots), resolve(m_pen.color));
    } else if (m_pen.width <= 1) {
        m_painter->setPen(QPen(resolve(m_pen.color), 0));
        QPolygon dots;
        dots.reserve(std::max(std::abs(p.x - m_position.x), std::abs(p.y - m_position.y)));
        forEachLineDot(m_position, p, [&dots](Point dot) { dots << QPoint(dot.x, dot.y); });
        m_painter->drawPoints(dots);
    } else {
        m_painter->setPen(QPen(resolve(m_pen.color), m_pen.width, Qt::SolidLine, Qt::FlatCap));
        m_painter->drawLine(toQPoint(m_position), toQPoint(p));
    }
    m_position = p;
    return *this;
}

GraphicsContext& GraphicsContext::frameRect(const Rect& rect, ColorRef color)
{
    return frameRect(rect, Brush::solid(color));
}

GraphicsContext& GraphicsContext::frameRect(const Rect& rect, const Brush& brush)
{
    Region frame;
    frame.setRect(rect);
    Region inside;
    inside.setRect({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1});
    frame.subtract(inside);
    return fillRegion(frame, brush);
}

GraphicsContext& GraphicsContext::fillRect(const Rect& rect, ColorRef color)
{
    if (!rect.isEmpty())
        m_painter->fillRect(toQRect(rect), resolve(color));
    return *this;
}

GraphicsContext& GraphicsContext::fillRect(const Rect& rect, const Brush& brush)
{
    Region area;
    area.setRect(rect);
    return fillRegion(area, brush);
}

// Not-xor of a solid colour straight into the rows of a 32-bit image: the painter spreads even a
// one-pixel column over its worker threads, which costs far more than the pixels.
bool GraphicsContext::invertDirectly(const Region& region, ColorRef ink)
{
    if (m_painter->compositionMode() != QPainter::RasterOp_NotSourceXorDestination ||
        m_painter->device()->devType() != QInternal::Image || !m_painter->worldTransform().isIdentity())
        return false;
    auto* target = static_cast<QImage*>(m_painter->device());
    if (target->format() != QImage::Format_RGB32 && target->format() != QImage::Format_ARGB32)
        return false;
    QRegion area = region.qRegion().intersected(target->rect());
    if (m_painter->hasClipping())
        area &= m_painter->clipRegion();
    const QRgb flip = ~resolve(ink).rgb() & 0x00FFFFFF;
    for (const QRect& r : area)
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(target->scanLine(y));
            for (int x = r.left(); x <= r.right(); ++x)
                row[x] ^= flip;
        }
    return true;
}

GraphicsContext& GraphicsContext::fillRegion(const Region& region, const Brush& brush)
{
    if (brush.isSolid() && invertDirectly(region, brush.ink))
        return *this;
    if (brush.isSolid()) {
        for (const QRect& r : region.qRegion())
            m_painter->fillRect(r, resolve(brush.ink));
        return *this;
    }
    QImage tile(8, 8, QImage::Format_RGB32);
    QRgb ink = resolve(brush.ink).rgb(), paper = resolve(brush.paper).rgb();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, brush.pattern[size_t(y)] & (0x80 >> x) ? paper : ink);
    QBrush pattern(tile);
    for (const QRect& r : region.qRegion())
        m_painter->fillRect(r, pattern);
    return *this;
}

GraphicsContext& GraphicsContext::frameRegion(const Region& region, const Brush& brush, int width)
{
    return fillRegion(region.frameBand(width), brush);
}

GraphicsContext& GraphicsContext::drawText(const Rect& box, std::string_view text, ColorRef color,
                                           TextPlacement placement)
{
    int alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    if (placement == TextPlacement::bottomCentre)
        alignment = Qt::AlignHCenter | Qt::AlignBottom;
    else if (placement == TextPlacement::bottomLeft)
        alignment = Qt::AlignLeft | Qt::AlignBottom;
    QFont font = QGuiApplication::font();
    // A box lower than a line gets a smaller font rather than half a line of text, and so small a
    // font reads better unsmoothed. Palette indices and mask bits have no shades between them either.
    bool shrunk = box.height() > 0 && QFontMetrics(font).height() > box.height();
    if (shrunk)
        font.setPixelSize(box.height());
    if (shrunk || m_space != ColorSpace::rgb)
        font.setStyleStrategy(QFont::NoAntialias);
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->setClipRect(toQRect(box), m_painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_painter->setFont(font);
    m_painter->setPen(resolve(color));
    m_painter->drawText(toQRect(box), alignment, QString::fromUtf8(text.data(), qsizetype(text.size())));
    m_painter->restore();
    return *this;
}

GraphicsContext& GraphicsContext::setInvertMode()
{
    m_painter->setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    return *this;
}

GraphicsContext& GraphicsContext::restoreDefaults()
{
    m_pen = GraphicsPen{};
    m_brush = Brush::solid(rgb(255, 255, 255));
    m_painter->setBrushOrigin(0, 0);
    m_painter->setCompositionMode(QPainter::CompositionMode_Source);
    return *this;
}

namespace {

// One row of dots, each written zoom times, from the dot under out's first pixel on. The first dot
// may be cut by the clip (skip of its pixels are left out).
template <class Color>
void expandRow(QRgb* out, int width, int dot, int skip, int zoom, Color color)
{
    int run = std::min(zoom - skip, width);
    std::fill_n(out, run, color(dot++));
    out += run;
    width -= run;
    if (zoom == 1) {
        for (; width > 0; --width)
            *out++ = color(dot++);
        return;
    }
    for (; width > 0; width -= run, out += run) {
        run = std::min(zoom, width);
        std::fill_n(out, run, color(dot++));
    }
}

// Zoom 1 of an 8-bit row: four dots a step, which halves the loop's own cost.
void lookUpRow(QRgb* out, const uchar* in, int width, const std::array<QRgb, 256>& table)
{
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        QRgb a = table[in[x]], b = table[in[x + 1]], c = table[in[x + 2]], d = table[in[x + 3]];
        out[x] = a;
        out[x + 1] = b;
        out[x + 2] = c;
        out[x + 3] = d;
    }
    for (; x < width; ++x)
        out[x] = table[in[x]];
}

// Writes source, enlarged a whole number of times, straight into the rows of a 32-bit target: the
// painter would first convert the whole source and then scale it, which costs several times more.
// Answers false where that shortcut does not apply.
bool copyZoomed(const QImage& source, const QRect& dest, QImage& target, const QRect& clip)
{
    QImage::Format from = source.format();
    if ((from != QImage::Format_Indexed8 && from != QImage::Format_BGR888) ||
        (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32) ||
        dest.width() % source.width() != 0 || dest.height() % source.height() != 0)
        return false;
    int zx = dest.width() / source.width(), zy = dest.height() / source.height();
    QRect area = dest.intersected(clip).intersected(target.rect());
    if (area.isEmpty())
        return true;
    std::array<QRgb, 256> table{};
    if (from == QImage::Format_Indexed8) {
        QList<QRgb> colors = source.colorTable();
        std::copy_n(colors.begin(), std::min<qsizetype>(colors.size(), 256), table.begin());
    }
    const int width = area.width();
    const int offset = area.left() - dest.left();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y)) + area.left();
        // The later rows of a dot repeat its first row.
        if (y > area.top() && (y - dest.top()) % zy != 0) {
            std::memcpy(out, reinterpret_cast<const QRgb*>(target.constScanLine(y - 1)) + area.left(),
                        size_t(width) * sizeof(QRgb));
            continue;
        }
        const uchar* in = source.constScanLine((y - dest.top()) / zy);
        if (zx == 1 && from == QImage::Format_BGR888)
            byteShuffle::widenToOpaque(in + 3 * offset, reinterpret_cast<uint8_t*>(out), size_t(width));
        else if (zx == 1)
            lookUpRow(out, in + offset, width, table);
        else if (from == QImage::Format_Indexed8)
            expandRow(out, width, offset / zx, offset % zx, zx, [&](int x) { return table[in[x]]; });
        else
            expandRow(out, width, offset / zx, offset % zx, zx,
                      [&](int x) { return qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]); });
    }
    return true;
}

} // namespace

void GraphicsContext::drawImage(const QImage& image, const Rect& dest, bool flipX, bool flipY, RasterOp op)
{
    if (op == RasterOp::sourceCopy && !flipX && !flipY && m_space == ColorSpace::rgb &&
        m_painter->device()->devType() == QInternal::Image && m_painter->worldTransform().isIdentity()) {
        auto* target = static_cast<QImage*>(m_painter->device());
        QRegion clip = m_painter->hasClipping() ? m_painter->clipRegion() : QRegion(target->rect());
        if (clip.rectCount() <= 1 && copyZoomed(image, toQRect(dest), *target, clip.boundingRect()))
            return;
    }
    QImage source = m_space == ColorSpace::paletteIndex ? asPaletteIndices(image) : image;
    m_painter->save();
    m_painter->setCompositionMode(compositionFor(op));
    QTransform mirror;
    mirror.translate(flipX ? dest.left + dest.right : 0, flipY ? dest.top + dest.bottom : 0);
    mirror.scale(flipX ? -1 : 1, flipY ? -1 : 1);
    m_painter->setTransform(mirror, true);
    m_painter->drawImage(toQRect(dest), source);
    m_painter->restore();
}

void GraphicsContext::drawAt(const DIBImage& image, Rect source, Point dest, RasterOp op)
{
    Rect clipped = source.intersected(image.bounds());
    if (clipped.isEmpty())
        return;
    Point at{dest.x + clipped.left - source.left, dest.y + clipped.top - source.top};
    drawImage(image.sourceImage(clipped), Rect::fromSize(at, {clipped.width(), clipped.height()}), false, false, op);
}

void GraphicsContext::drawStretched(const DIBImage& image, Rect source, Rect dest, RasterOp op)
{
    Span sx = span(source.left, source.right), sy = span(source.top, source.bottom);
    Span dx = span(dest.left, dest.right), dy = span(dest.top, dest.bottom);
    if (sx.low == sx.high || sy.low == sy.high || dx.low == dx.high || dy.low == dy.high)
        return;
    Rect normal{sx.low, sy.low, sx.high, sy.high};
    Rect clipped = normal.intersected(image.bounds());
    if (clipped.isEmpty())
        return;
    // The destination shrinks with the source so the scale stays the same. A mirrored source counts
    // from its other end, so both mirrors combine into one flip per axis.
    bool flipX = sx.mirrored != dx.mirrored, flipY = sy.mirrored != dy.mirrored;
    double scaleX = double(dx.high - dx.low) / (sx.high - sx.low);
    double scaleY = double(dy.high - dy.low) / (sy.high - sy.low);
    auto place = [](const Span& d, int32_t from, int32_t to, int32_t sourceLow, double scale, bool flip) {
        double a = flip ? d.high - (to - sourceLow) * scale : d.low + (from - sourceLow) * scale;
        double b = flip ? d.high - (from - sourceLow) * scale : d.low + (to - sourceLow) * scale;
        return std::pair<int32_t, int32_t>{int32_t(std::lround(a)), int32_t(std::lround(b))};
    };
    auto [left, right] = place(dx, clipped.left, clipped.right, sx.low, scaleX, flipX);
    auto [top, bottom] = place(dy, clipped.top, clipped.bottom, sy.low, scaleY, flipY);
    drawImage(image.sourceImage(clipped), {left, top, right, bottom}, flipX, flipY, op);
}
