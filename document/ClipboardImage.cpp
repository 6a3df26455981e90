#include "document/ClipboardImage.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionCommands.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "pixels/MaskImage.h"

#include <algorithm>

namespace clipboardImage {

namespace {

// The display position that shows palette entry `entry`.
int displayPositionOf(const PaletteModel& palette, int entry)
{
    for (int i = 0; i < PaletteModel::size; ++i)
        if (palette.entryOf(i) == entry)
            return i;
    return entry;
}

} // namespace

std::optional<SelectionCopy> SelectionCopy::of(const BitmapDocument& document)
{
    std::shared_ptr<SelectionRecord> record = document.selection();
    if (!record)
        return std::nullopt;
    SelectionCopy copy(document);
    Rect box = record->region.bounds();
    if (record->floatingImage) {
        copy.m_source = record->ownPixels ? record->ownPixels : record->floatingImage;
        copy.m_rows = packedDib::Rows::of(*copy.m_source);
        copy.m_kept = record->transparencyMask;
        if (!copy.m_kept)
            copy.m_kept = record->region.toMask();
        return copy;
    }
    const DIBImage& picture = *document.image();
    if (box.intersected(picture.bounds()).width() == box.width() &&
        box.intersected(picture.bounds()).height() == box.height()) {
        // The picture's own rows: nothing is copied before the DIB is written.
        size_t bytesPerDot = size_t(picture.depth() / 8);
        copy.m_rows = {picture.row(box.top) + bytesPerDot * size_t(box.left),
                       picture.stride(),
                       {box.width(), box.height()},
                       picture.depth()};
    } else {
        copy.m_source = document.copyArea(box);
        copy.m_rows = packedDib::Rows::of(*copy.m_source);
    }
    Region outside = record->region;
    outside.xorRect(box);
    if (!outside.isEmpty())
        copy.m_kept = record->region.toMask();
    return copy;
}

size_t SelectionCopy::size() const
{
    return packedDib::sizeOf(m_rows.size, m_rows.depth);
}

void SelectionCopy::write(std::span<uint8_t> out) const
{
    const BitmapPalette* palette = m_document->palette();
    packedDib::write(m_rows, palette, out);
    if (!m_kept)
        return;
    // The dots outside the mask become the background colour, as the DIB stores it.
    ColorRef background = m_document->backgroundColor();
    if (palette)
        background = ColorRef(displayPositionOf(*palette, palette->indexOfColorRef(background)));
    const DIBImage& picture = *m_document->image();
    Point size = m_rows.size;
    size_t rowLength = size_t(DIBImage::rowLength(m_rows.depth, size.x));
    size_t bytesPerDot = size_t(m_rows.depth / 8);
    uint8_t* pixels = out.data() + (out.size() - rowLength * size_t(size.y));
    MaskImage::Runs runs;
    for (int32_t y = 0; y < size.y; ++y) {
        uint8_t* row = pixels + size_t(size.y - 1 - y) * rowLength;
        m_kept->rowRuns(y, runs);
        int32_t x = 0;
        for (auto [start, end] : runs) {
            if (start > x)
                picture.fillRun(row + bytesPerDot * size_t(x), background, start - x);
            x = end;
        }
        if (size.x > x)
            picture.fillRun(row + bytesPerDot * size_t(x), background, size.x - x);
    }
}

Point placement(const BitmapDocument& document, Point size, Point centre, Point unit)
{
    if (std::shared_ptr<SelectionRecord> record = document.selection()) {
        Rect box = record->region.bounds();
        centre = {box.left + box.width() / 2, box.top + box.height() / 2};
    }
    Rect picture = document.bounds();
    centre.x = std::clamp(centre.x, picture.left, std::max(picture.left, picture.right - 1));
    centre.y = std::clamp(centre.y, picture.top, std::max(picture.top, picture.bottom - 1));
    Point origin{centre.x - size.x / 2, centre.y - size.y / 2};
    if (unit.x > 0)
        origin.x -= origin.x % unit.x;
    if (unit.y > 0)
        origin.y -= origin.y % unit.y;
    return origin;
}

void removeCut(BitmapDocument& document)
{
    selectionCommands::clear(document);
    document.selectionPlug().setSelection(nullptr);
}

void install(BitmapDocument& document, std::shared_ptr<DIBImage> image, Point origin)
{
    UndoRecord::instance().beginUndo(&document);
    document.commitSelection();
    auto record = std::make_shared<SelectionRecord>();
    record->region.setRect(Rect::fromSize(origin, image->extent()));
    // The plug makes the transparency mask for this colour.
    record->transparentColor = document.backgroundColor();
    record->floatingImage = std::move(image);
    document.selectionPlug().setSelection(std::move(record));
}

} // namespace clipboardImage
