#include "document/PastedPicture.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "formats/BmpFormat.h"
#include "operations/ImagePaste.h"
#include "operations/IndexTranslation.h"
#include "operations/MaskFill.h"
#include "palette/PaletteModel.h"
#include "pixels/DecodedPicture.h"
#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/MaskImage.h"
#include "pixels/TrueColorImage.h"

#include <numeric>

PasteTarget PasteTarget::of(const BitmapDocument& document)
{
    return {document.palette(), document.backgroundColor()};
}

namespace {

constexpr ColorRef rgbBits = 0x00FFFFFF;

// The table from a pasted indexed picture's values to the palette's entries: a marked value is a
// display position; otherwise a value whose colour is the palette's at that display position goes
// there and any other to the nearest colour. Values without a colour stay as they are.
std::array<uint8_t, 256> translationTable(const PaletteModel& palette, std::span<const ColorRef> colors, bool marked)
{
    std::array<uint8_t, 256> table;
    std::iota(table.begin(), table.end(), 0);
    if (marked) {
        for (int v = 0; v < 256; ++v)
            table[size_t(v)] = uint8_t(palette.entryOf(v));
        return table;
    }
    size_t count = std::min<size_t>(colors.size(), 256);
    std::array<uint8_t, 256> nearest;
    palette.nearestIndices(int(count), colors.data(), nearest.data());
    for (size_t v = 0; v < count; ++v) {
        bool same = (colors[v] & rgbBits) == (palette.colorAt(int(v)) & rgbBits);
        table[v] = same ? uint8_t(palette.entryOf(int(v))) : nearest[v];
    }
    return table;
}

std::shared_ptr<DIBImage> fromIndexed(const PasteTarget& target, std::shared_ptr<IndexedImage> image,
                                      std::span<const ColorRef> colors, std::span<const uint8_t> clearValues,
                                      bool marked)
{
    ColorRef background = target.background;
    if (const PaletteModel* palette = target.palette) {
        std::array<uint8_t, 256> table = translationTable(*palette, colors, marked);
        for (size_t v = 0; v < clearValues.size() && v < table.size(); ++v)
            if (clearValues[v])
                table[v] = uint8_t(palette->indexOfColorRef(background));
        bool identity = true;
        for (int v = 0; v < 256; ++v)
            identity = identity && table[size_t(v)] == v;
        if (!identity)
            translateIndices(*image, table);
        image->setPalette(palette->platformPalette());
        return image;
    }
    // Into full colour every value takes its colour; clear ones the background colour.
    auto colorsOf = LogicalPalette::copyOf(image->palette().get());
    if (!colorsOf) {
        colorsOf = std::make_shared<LogicalPalette>();
        colorsOf->create(LogicalPalette::maxEntries);
    }
    for (size_t v = 0; v < clearValues.size(); ++v)
        if (clearValues[v])
            colorsOf->setColorAt(int(v), background);
    image->setPalette(colorsOf);
    auto result = std::make_shared<TrueColorImage>();
    result->create(image->extent());
    imagePaste(*result, *image, {0, 0});
    return result;
}

std::shared_ptr<DIBImage> fromTrueColor(const PasteTarget& target, std::shared_ptr<DIBImage> image,
                                        const MaskImage* clearDots)
{
    std::shared_ptr<DIBImage> result = image;
    if (const PaletteModel* palette = target.palette) {
        result = std::make_shared<IndexedImage>(palette->platformPalette());
        result->create(image->extent());
        imagePaste(*result, *image, {0, 0});
    }
    if (clearDots)
        maskFill(*result, *clearDots, {0, 0}, target.background, nullptr);
    return result;
}

} // namespace

std::shared_ptr<DIBImage> fromDib(const PasteTarget& target, std::span<const uint8_t> dib, size_t pixelOffset,
                                  bool marked)
{
    std::optional<packedDib::Layout> layout = packedDib::layoutOf(dib, pixelOffset);
    if (!layout)
        return nullptr;
    if (!packedDib::isReadable(*layout))
        return fromPicture(target, decodePackedDib(dib, layout->pixelOffset));
    // A palette of its own keeps the stored values as they are and holds the DIB's colours.
    PaletteModel colors;
    std::shared_ptr<DIBImage> image = packedDib::read(dib, colors, pixelOffset);
    if (image->depth() != 8)
        return fromTrueColor(target, image, nullptr);
    std::vector<ColorRef> table;
    for (uint32_t v = 0; v < layout->tableEntries; ++v)
        table.push_back(colors.colorAt(int(v)));
    return fromIndexed(target, std::static_pointer_cast<IndexedImage>(image), table, {}, marked);
}

std::shared_ptr<DIBImage> fromBmpFile(const PasteTarget& target, std::span<const uint8_t> file)
{
    auto inside = packedDib::insideFile(file);
    return inside ? fromDib(target, inside->first, inside->second, false) : nullptr;
}

std::shared_ptr<DIBImage> fromPicture(const PasteTarget& target, const DecodedPicture& picture)
{
    if (!picture.image)
        return nullptr;
    if (picture.image->depth() == 8)
        return fromIndexed(target, std::static_pointer_cast<IndexedImage>(picture.image), picture.colors,
                           picture.clearValues, false);
    return fromTrueColor(target, picture.image, picture.clearDots.get());
}
