#include "views/BitmapView.h"

#include "core/Aspects.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/ImagePlug.h"
#include "document/SelectionRecord.h"
#include "framework/GraphicsContext.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"

namespace {

// The first multiple of step at or after value.
int32_t firstMultiple(int32_t value, int32_t step)
{
    int32_t remainder = ((value % step) + step) % step;
    return remainder == 0 ? value : value + step - remainder;
}

} // namespace

BitmapView::BitmapView(QWidget* container) : ImageView(container) {}

void* BitmapView::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapView::access)
        return this;
    return ImageView::valueFor(aspect);
}

MeshPlug* BitmapView::mesh() const
{
    return interfaceFor<MeshPlug>(model(), &aspects::BitmapView::Mesh::access);
}

BitmapSelectionPlug* BitmapView::selectionPlug() const
{
    return interfaceFor<BitmapSelectionPlug>(model(), &aspects::BitmapSelectionPlug::access);
}

std::shared_ptr<SelectionRecord> BitmapView::selection() const
{
    BitmapSelectionPlug* plug = selectionPlug();
    return plug ? plug->selection() : nullptr;
}

void BitmapView::setMeshVisible(bool visible)
{
    if (visible == m_meshVisible)
        return;
    m_meshVisible = visible;
    invalidateAll();
}

void BitmapView::update(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapView::Mesh::access || aspect == &aspects::BitmapPalette::access)
        invalidateAll();
    else if (aspect == &aspects::BitmapSelectionPlug::access)
        floatingChanged();
    else
        ImageView::update(aspect);
}

std::shared_ptr<LogicalPalette> BitmapView::paintPalette() const
{
    PaletteModel* palette = interfaceFor(model(), &aspects::BitmapPalette::access);
    return palette ? palette->platformPalette() : nullptr;
}

void BitmapView::originChanged()
{
    changed(&aspects::BitmapView::changeCenter);
}

void BitmapView::resized(Point)
{
    changed(&aspects::BitmapView::changeCenter);
}

void BitmapView::paint(GraphicsContext& gc, const Rect& clip)
{
    Rect picture = dotsToView(imageBounds());
    paintSurround(gc, clip, picture);
    gc.intersectClip(picture);
    Rect inside = clip.intersected(picture);
    if (inside.isEmpty())
        return;
    paintImage(gc, inside);
    paintFloating(gc, inside);
    if (m_meshVisible && mesh())
        paintMesh(gc, inside);
}

void BitmapView::floatingChanged()
{
    std::shared_ptr<SelectionRecord> record = selection();
    invalidate(dotsToView(m_floating));
    m_floating = record && record->floatingImage ? record->region.bounds() : Rect{};
    invalidate(dotsToView(m_floating));
}

void BitmapView::paintFloating(GraphicsContext& gc, const Rect& clip)
{
    std::shared_ptr<SelectionRecord> record = selection();
    if (!record || !record->floatingImage)
        return;
    const DIBImage& floating = *record->floatingImage;
    Point corner = record->region.bounds().topLeft();
    Rect dots = viewToDots(clip).intersected(Rect::fromSize(corner, floating.extent())).intersected(imageBounds());
    if (!dots.isEmpty())
        gc.drawStretched(floating, dots.translated(-corner.x, -corner.y), dotsToView(dots), RasterOp::sourceCopy);
}

void BitmapView::paintSurround(GraphicsContext& gc, const Rect& clip, const Rect& picture)
{
    // At most four bands around the picture, then the frame one pixel outside it.
    Rect bands[] = {{clip.left, clip.top, clip.right, std::min(clip.bottom, picture.top)},
                    {clip.left, std::max(clip.top, picture.top), std::min(clip.right, picture.left),
                     std::min(clip.bottom, picture.bottom)},
                    {std::max(clip.left, picture.right), std::max(clip.top, picture.top), clip.right,
                     std::min(clip.bottom, picture.bottom)},
                    {clip.left, std::max(clip.top, picture.bottom), clip.right, clip.bottom}};
    for (const Rect& band : bands)
        if (!band.isEmpty())
            gc.fillRect(band, surroundColor);
    if (!picture.isEmpty())
        gc.frameRect({picture.left - 1, picture.top - 1, picture.right + 1, picture.bottom + 1}, rgb(0, 0, 0));
}

void BitmapView::paintMesh(GraphicsContext& gc, const Rect& clip)
{
    MeshPlug& settings = *mesh();
    Point pitch = settings.meshSize();
    if (pitch.x <= 0 || pitch.y <= 0)
        return;
    Rect dots = viewToDots(clip).intersected(imageBounds());
    Rect view = dotsToView(dots).intersected(clip);
    ColorRef color = settings.meshColor();
    int32_t z = zoom();
    int32_t firstX = firstMultiple(dots.left, pitch.x), firstY = firstMultiple(dots.top, pitch.y);
    switch (settings.meshStyle()) {
    case 0:
        gc.select(GraphicsPen{color, 1});
        for (int32_t x = firstX; x < dots.right; x += pitch.x) {
            int32_t px = dotToView({x, 0}).x;
            gc.moveTo({px, view.top}).lineTo({px, view.bottom});
        }
        for (int32_t y = firstY; y < dots.bottom; y += pitch.y) {
            int32_t py = dotToView({0, y}).y;
            gc.moveTo({view.left, py}).lineTo({view.right, py});
        }
        break;
    case 1: {
        // Every fourth pixel, at zoomed image positions that are multiples of 4, so that the
        // pattern does not crawl when the view scrolls.
        int32_t startY = view.top + ((-(view.top + origin().y * z)) & 3);
        int32_t startX = view.left + ((-(view.left + origin().x * z)) & 3);
        for (int32_t x = firstX; x < dots.right; x += pitch.x) {
            int32_t px = dotToView({x, 0}).x;
            for (int32_t py = startY; py < view.bottom; py += 4)
                gc.fillRect({px, py, px + 1, py + 1}, color);
        }
        for (int32_t y = firstY; y < dots.bottom; y += pitch.y) {
            int32_t py = dotToView({0, y}).y;
            for (int32_t px = startX; px < view.right; px += 4)
                gc.fillRect({px, py, px + 1, py + 1}, color);
        }
        break;
    }
    default:
        for (int32_t x = firstX; x < dots.right; x += pitch.x)
            for (int32_t y = firstY; y < dots.bottom; y += pitch.y) {
                Point p = dotToView({x, y});
                gc.fillRect({p.x, p.y, p.x + 1, p.y + 1}, color);
            }
        break;
    }
}
