#include "views/ImageView.h"

#include "core/Aspects.h"
#include "document/ImagePlug.h"
#include "framework/GraphicsContext.h"
#include "pixels/DIBImage.h"

ImageView::ImageView(QWidget* container) : Visual::Component(container) {}

ImagePlug* ImageView::plug() const
{
    return interfaceFor<ImagePlug>(model(), &aspects::ImageView::Plug::access);
}

DIBImage* ImageView::image() const
{
    ImagePlug* source = plug();
    return source ? source->image() : nullptr;
}

Point ImageView::dotToView(Point dot) const
{
    return {(dot.x - m_origin.x) * m_zoom, (dot.y - m_origin.y) * m_zoom};
}

Point ImageView::viewToDot(Point pixel) const
{
    return {m_origin.x + floorDiv(pixel.x, m_zoom), m_origin.y + floorDiv(pixel.y, m_zoom)};
}

Rect ImageView::viewToDots(const Rect& pixels) const
{
    Point topLeft = viewToDot({pixels.left, pixels.top});
    Point farCorner = viewToDot({pixels.right + m_zoom - 1, pixels.bottom + m_zoom - 1});
    return {topLeft.x, topLeft.y, farCorner.x, farCorner.y};
}

Rect ImageView::dotsToView(const Rect& dots) const
{
    Point topLeft = dotToView({dots.left, dots.top});
    Point farCorner = dotToView({dots.right, dots.bottom});
    return {topLeft.x, topLeft.y, farCorner.x, farCorner.y};
}

Rect ImageView::imageBounds() const
{
    DIBImage* shown = image();
    return shown ? shown->bounds() : Rect{};
}

Point ImageView::visibleCentre() const
{
    Rect visible = viewToDots(Rect::fromSize({}, size())).intersected(imageBounds());
    return {(visible.left + visible.right) / 2, (visible.top + visible.bottom) / 2};
}

Point ImageView::viewDots() const
{
    Point pixels = size();
    return {(pixels.x + m_zoom - 1) / m_zoom, (pixels.y + m_zoom - 1) / m_zoom};
}

void ImageView::setZoom(int32_t zoom, Point centreDot)
{
    invalidateAll();
    m_zoom = std::max(zoom, 1);
    Point pixels = size();
    Point newOrigin{centreDot.x - pixels.x / (2 * m_zoom), centreDot.y - pixels.y / (2 * m_zoom)};
    // The whole view is drawn anew, so the pixels are not worth moving.
    m_origin = newOrigin;
    originChanged();
}

void ImageView::setZoomKeepingCentre(int32_t zoom)
{
    setZoom(zoom, visibleCentre());
}

void ImageView::scrollTo(Point newOrigin)
{
    if (newOrigin == m_origin)
        return;
    int32_t dx = (m_origin.x - newOrigin.x) * m_zoom;
    int32_t dy = (m_origin.y - newOrigin.y) * m_zoom;
    m_origin = newOrigin;
    scroll(dx, dy, Rect::fromSize({}, size()));
    updateNow();
    originChanged();
}

void ImageView::update()
{
    invalidateAll();
}

void ImageView::update(const Aspect* aspect)
{
    if (aspect != &aspects::ImageView::Plug::access)
        return;
    if (ImagePlug* source = plug())
        invalidate(dotsToView(source->damage()));
}

void ImageView::paint(GraphicsContext& gc, const Rect& clip)
{
    paintImage(gc, clip);
}

void ImageView::paintImage(GraphicsContext& gc, const Rect& clip)
{
    DIBImage* shown = image();
    if (!shown)
        return;
    Rect dots = viewToDots(clip).intersected(shown->bounds());
    if (!dots.isEmpty())
        gc.drawStretched(*shown, dots, dotsToView(dots), RasterOp::sourceCopy);
}
