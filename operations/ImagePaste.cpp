#include "operations/ImagePaste.h"

#include "operations/PixelTraits.h"
#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"

#include <array>
#include <unordered_map>

namespace {

// Writes convert(source pixel) for every dot of area, whose top-left corner is source dot from.
template <class From, class To, class Convert>
void convertRows(DIBImage& target, const DIBImage& source, const Rect& area, Point from, Convert convert)
{
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const uint8_t* in = source.row(from.y + y - area.top);
        uint8_t* out = target.row(y);
        for (int32_t x = 0; x < area.width(); ++x)
            To::write(out, area.left + x, convert(From::read(in, from.x + x)));
    }
}

// An index stands for its palette's colour; indices beyond the palette are black.
void indexedIntoTrueColor(DIBImage& target, const IndexedImage& source, const Rect& area, Point from)
{
    const LogicalPalette* palette = source.palette().get();
    std::array<TrueColorPixels::Value, 256> colors;
    for (size_t i = 0; i < colors.size(); ++i)
        colors[i] = TrueColorPixels::valueOf(target, palette ? palette->colorAt(int(i)) : rgb(0, 0, 0));
    convertRows<IndexedPixels, TrueColorPixels>(target, source, area, from,
                                                [&](const IndexedPixels::Value& index) { return colors[index[0]]; });
}

// A colour becomes the nearest entry of the target's palette, looked up once per distinct colour.
void trueColorIntoIndexed(IndexedImage& target, const DIBImage& source, const Rect& area, Point from)
{
    const LogicalPalette* palette = target.palette().get();
    std::unordered_map<ColorRef, uint8_t> nearest;
    convertRows<TrueColorPixels, IndexedPixels>(target, source, area, from, [&](const TrueColorPixels::Value& bgr) {
        ColorRef color = rgb(bgr[2], bgr[1], bgr[0]);
        auto [entry, added] = nearest.try_emplace(color, 0);
        if (added && palette)
            entry->second = uint8_t(palette->nearestIndex(color));
        return IndexedPixels::Value{entry->second};
    });
}

} // namespace

Rect imagePaste(DIBImage& target, const DIBImage& source, Point at)
{
    Rect area = Rect::fromSize(at, source.extent()).intersected(target.bounds());
    if (area.isEmpty())
        return area;
    const Point from{area.left - at.x, area.top - at.y};
    if (source.depth() == target.depth()) {
        withPixelTraits(target, [&](auto traits) {
            using Pixels = decltype(traits);
            for (int32_t y = area.top; y < area.bottom; ++y)
                std::memcpy(Pixels::at(target.row(y), area.left), Pixels::at(source.row(from.y + y - area.top), from.x),
                            Pixels::size * size_t(area.width()));
        });
    } else if (source.depth() == IndexedPixels::depth && target.depth() == TrueColorPixels::depth) {
        indexedIntoTrueColor(target, static_cast<const IndexedImage&>(source), area, from);
    } else if (source.depth() == TrueColorPixels::depth && target.depth() == IndexedPixels::depth) {
        trueColorIntoIndexed(static_cast<IndexedImage&>(target), source, area, from);
    } else {
        raiseError(errorQuiet);
    }
    return area;
}
