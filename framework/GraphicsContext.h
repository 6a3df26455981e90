#pragma once

#include "base/Color.h"
#include "core/Geometry.h"
#include "framework/Brush.h"
#include "framework/RasterOp.h"

#include <memory>
#include <string_view>

class DIBImage;
class LogicalPalette;
class QColor;
class QImage;
class QPaintDevice;
class QPainter;
class Region;

// Draws on a window or into an image. Every operation returns the context so calls can be chained.
// Colours may be palette-index references; they are looked up in the selected palette.
class GraphicsContext {
public:
    // What invert mode draws with so that every colour, mid-grey included, changes visibly:
    // not-xor with it flips the top bit of each channel, and a second drawing still erases the first.
    static constexpr ColorRef invertInk = 0x007F7F7F;

    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;
    virtual ~GraphicsContext();

    Rect clipBox() const;
    GraphicsContext& intersectClip(const Rect& rect);
    GraphicsContext& select(const GraphicsPen& pen);
    GraphicsContext& select(const Brush& brush);
    GraphicsContext& selectPalette(std::shared_ptr<LogicalPalette> palette);
    // Selects brush with its 8 x 8 pattern starting at (origin.x mod 8, origin.y mod 8), so a
    // pattern stays fixed to the image while the view scrolls.
    GraphicsContext& selectPattern(const Brush& brush, Point origin);
    GraphicsContext& moveTo(Point p);
    // Draws from the current position to p with the selected pen; p itself is not drawn.
    GraphicsContext& lineTo(Point p);
    // A one-pixel frame just inside rect.
    GraphicsContext& frameRect(const Rect& rect, ColorRef color);
    GraphicsContext& frameRect(const Rect& rect, const Brush& brush);
    GraphicsContext& fillRect(const Rect& rect, ColorRef color);
    GraphicsContext& fillRect(const Rect& rect, const Brush& brush);
    GraphicsContext& fillRegion(const Region& region, const Brush& brush);
    // Outlines region with its frameBand of width dots.
    GraphicsContext& frameRegion(const Region& region, const Brush& brush, int width);
    // Where text goes in its box.
    enum class TextPlacement { centre, bottomCentre, bottomLeft };
    // Draws text (UTF-8) in the dialog font within box, placed as asked, on a transparent background;
    // a box lower than a line of the font takes a font as high as the box.
    GraphicsContext& drawText(const Rect& box, std::string_view text, ColorRef color, TextPlacement placement);
    // Draws what a second drawing erases: lines and fills combine with not-xor.
    GraphicsContext& setInvertMode();
    GraphicsContext& restoreDefaults();

    // Copies the part of source inside image, unscaled, to dest shifted as much as the clipping
    // moved the source's top-left corner.
    void drawAt(const DIBImage& image, Rect source, Point dest, RasterOp op);
    // Copies source of image to dest, scaling with nearest neighbours. A rectangle whose right is below
    // its left (or bottom below top) is mirrored. Only the part of source inside the image is read.
    void drawStretched(const DIBImage& image, Rect source, Rect dest, RasterOp op);

protected:
    // How colours become pixel values on the device: real colours, palette indices written as grey
    // levels (an 8-bit image), or one bit (a mask: 255 for white, 0 for black).
    enum class ColorSpace { rgb, paletteIndex, bit };

    GraphicsContext(ColorSpace space, std::shared_ptr<LogicalPalette> palette);
    void begin(QPaintDevice* device);
    void end();

private:
    // Draws image into dest, mirrored on the axes asked for; the image's pixels are scaled to fill
    // dest with nearest neighbours.
    void drawImage(const QImage& image, const Rect& dest, bool flipX, bool flipY, RasterOp op);
    QColor resolve(ColorRef color) const;
    QImage asPaletteIndices(const QImage& image) const;
    bool invertDirectly(const Region& region, ColorRef ink);

    std::unique_ptr<QPainter> m_painter;
    ColorSpace m_space;
    std::shared_ptr<LogicalPalette> m_palette;
    GraphicsPen m_pen;
    Brush m_brush;
    Point m_position;
};
