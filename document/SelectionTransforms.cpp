#include "document/SelectionTransforms.h"

#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "operations/CopyArea.h"
#include "operations/FloatingComposite.h"
#include "operations/RotateImage.h"
#include "operations/ScaleImage.h"
#include "pixels/MaskImage.h"

#include <cstdlib>
#include <memory>
#include <utility>

namespace selectionTransforms {

namespace {

// The selection's own pixels over its bounds: the floating image's, or the picture's under a
// selection that has not been lifted yet.
std::shared_ptr<DIBImage> ownPixels(BitmapDocument& document, const SelectionRecord& record)
{
    if (record.floatingImage)
        return document.selectionPlug().ownImage();
    return document.copyArea(record.region.bounds());
}

// The colour a lift takes as transparent: the floating image's own, else the background.
ColorRef transparentOf(const BitmapDocument& document, const SelectionRecord& record)
{
    return record.floatingImage ? record.transparentColor : document.backgroundColor();
}

// The transformed image over box, cut to the bounds of the shape rebuilt from the dots that stayed,
// which lose edge rows or columns when a sparse shape is scaled down or turned.
std::shared_ptr<DIBImage> cutToShape(std::shared_ptr<DIBImage> image, const Rect& box, const Region& shape,
                                     ColorRef transparent)
{
    Rect kept = shape.bounds();
    if (kept == box)
        return image;
    return copyArea(*image, kept.translated(-box.left, -box.top), transparent);
}

// Lifts the selection and puts the transformed one in its place, as one undo step; the
// transparency mask is made again for the selection's transparent colour.
void install(BitmapDocument& document, Region region, std::shared_ptr<DIBImage> image)
{
    UndoRecord::instance().beginUndo(&document);
    document.lift(false);
    std::shared_ptr<SelectionRecord> lifted = document.selection();
    auto record = std::make_shared<SelectionRecord>();
    record->transparentColor = lifted->transparentColor;
    record->pasteMode = lifted->pasteMode;
    record->transparencyMask = transparencyMaskOf(*image, *region.toMask(), record->transparentColor);
    record->region = std::move(region);
    record->floatingImage = std::move(image);
    document.selectionPlug().setSelection(std::move(record));
}

} // namespace

void mirrorScale(BitmapDocument& document, Point factors)
{
    std::shared_ptr<SelectionRecord> record = document.selection();
    if (!record || record->region.isEmpty())
        return;
    Rect box = record->region.bounds();
    std::shared_ptr<DIBImage> image =
        scaleImage(*ownPixels(document, *record), {factors.x * box.width(), factors.y * box.height()});
    install(document, record->region.mirrored(factors.x < 0, factors.y < 0), std::move(image));
}

void scaleTo(BitmapDocument& document, Point size, std::optional<Point> topLeft)
{
    std::shared_ptr<SelectionRecord> record = document.selection();
    if (!record || record->region.isEmpty() || size.x == 0 || size.y == 0)
        return;
    Point place = topLeft.value_or(record->region.bounds().topLeft());
    Region region;
    region.setFromMask(*scaleMask(*record->region.toMask(), size), {1, 1});
    region.offset(place.x, place.y);
    // Scaled down, a sparse shape can lose every dot: the selection stays as it was.
    if (region.isEmpty())
        return;
    std::shared_ptr<DIBImage> image = scaleImage(*ownPixels(document, *record), size);
    Rect box = Rect::fromSize(place, {std::abs(size.x), std::abs(size.y)});
    image = cutToShape(std::move(image), box, region, transparentOf(document, *record));
    install(document, std::move(region), std::move(image));
}

void rotate(BitmapDocument& document, double angle)
{
    if (angle == 0)
        return;
    if (std::shared_ptr<SelectionRecord> copy = unturnedCopy(document))
        rotateCopy(document, *copy, angle);
}

std::shared_ptr<SelectionRecord> unturnedCopy(BitmapDocument& document)
{
    std::shared_ptr<SelectionRecord> record = document.selection();
    if (!record || record->region.isEmpty())
        return nullptr;
    auto copy = std::make_shared<SelectionRecord>();
    copy->region = record->region;
    copy->floatingImage = ownPixels(document, *record);
    copy->transparentColor = transparentOf(document, *record);
    return copy;
}

void rotateCopy(BitmapDocument& document, const SelectionRecord& copy, double angle)
{
    if (!document.selection() || copy.region.isEmpty())
        return;
    Rect box = copy.region.bounds();
    RotationGeometry turn = rotationGeometry(box, angle);
    Region region;
    if (turn.isCopyOrHalfTurn()) {
        region = copy.region.mirrored(turn.c < 0, turn.c < 0);
    } else if (turn.isQuarterTurn()) {
        region = copy.region.quarterTurned(turn.s > 0);
        region.offset(turn.box.left - box.left, turn.box.top - box.top);
    } else {
        region.setFromMask(*rotateMask(*copy.region.toMask(), angle, box.topLeft()), {1, 1});
        region.offset(turn.box.left, turn.box.top);
    }
    if (region.isEmpty())
        return;
    std::shared_ptr<DIBImage> image =
        cutToShape(rotateImage(*copy.floatingImage, angle, box.topLeft()), turn.box, region, copy.transparentColor);
    install(document, std::move(region), std::move(image));
}

std::optional<int32_t> wholeDegrees(std::string_view text)
{
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    int32_t whole = 0;
    int digits = 0;
    bool fraction = false;
    for (char c : text) {
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (c < '0' || c > '9' || ++digits > 6)
            return std::nullopt;
        if (!fraction)
            whole = whole * 10 + (c - '0');
    }
    if (digits == 0)
        return std::nullopt;
    return negative ? -whole : whole;
}

double rotationAngle(int32_t degrees, bool counterClockwise)
{
    return (counterClockwise ? 360 - degrees : degrees) * 0.017453292519943295;
}

} // namespace selectionTransforms
