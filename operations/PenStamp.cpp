#include "operations/PenStamp.h"

#include "core/DigitalLine.h"
#include "operations/PixelTraits.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

// The first x in [x, end) of a mask row whose bit is not value, or end. Whole bytes of value are
// passed over at once, since wide pens are mostly such bytes.
int32_t skipBits(const uint8_t* bits, int32_t x, int32_t end, bool value)
{
    const uint8_t whole = value ? 0xFF : 0x00;
    while (x < end) {
        if ((x & 7) == 0 && x + 8 <= end && bits[x >> 3] == whole)
            x += 8;
        else if (((bits[x >> 3] & (0x80 >> (x & 7))) != 0) == value)
            ++x;
        else
            break;
    }
    return x;
}

// Paints [x0, x1) of row y in ink through tone, Pixels being the image's pixel traits.
template <class Pixels>
void paintRun(DIBImage& image, int32_t y, int32_t x0, int32_t x1, ColorRef ink, const ToneBytes* tone)
{
    uint8_t* row = image.row(y);
    if (isSolidTone(tone)) {
        Pixels::fill(image, row, x0, x1 - x0, ink);
        return;
    }
    const typename Pixels::Value value = Pixels::valueOf(image, ink);
    for (int32_t x = x0; x < x1; ++x)
        if (toneLetsThrough(*tone, x, y))
            Pixels::write(row, x, value);
}

} // namespace

Rect penStamp(DIBImage& image, const MaskImage& footprint, Point corner, ColorRef ink, const ToneBytes* tone)
{
    Rect area = Rect::fromSize(corner, footprint.extent()).intersected(image.bounds());
    if (area.isEmpty())
        return area;
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const int32_t left = area.left - corner.x, right = area.right - corner.x;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const uint8_t* bits = footprint.row(y - corner.y);
            const int32_t start = skipBits(bits, left, right, true);
            const int32_t end = skipBits(bits, start, right, false);
            if (start < end)
                paintRun<Pixels>(image, y, start + corner.x, end + corner.x, ink, tone);
        }
    });
    return area;
}

namespace {

// Where a digital line lies: for each of its rows from top, the first and past-the-last x of its dots.
struct LineRows {
    int32_t top = 0;
    std::vector<std::pair<int32_t, int32_t>> extents;
};

LineRows lineRows(Point from, Point to)
{
    LineRows line{std::min(from.y, to.y), {}};
    if (from.y == to.y && from.x != to.x) {
        // Across: one row, without a walk over its dots.
        Rect dots = straightLineDots(from, to);
        line.extents = {{dots.left, dots.right}};
        return line;
    }
    line.extents.assign(size_t(std::abs(to.y - from.y) + 1), {INT32_MAX, INT32_MIN});
    // A row's dots come one after another: its extent is kept at hand and stored when the row ends,
    // not read and written back for every dot.
    int32_t row = INT32_MIN, first = 0, last = 0;
    auto store = [&] {
        if (row == INT32_MIN)
            return;
        auto& extent = line.extents[size_t(row - line.top)];
        extent = {std::min(extent.first, first), std::max(extent.second, last)};
    };
    forEachLineDot(from, to, [&](Point dot) {
        if (dot.y != row) {
            store();
            row = dot.y;
            first = dot.x;
            last = dot.x + 1;
        } else {
            first = std::min(first, dot.x);
            last = std::max(last, dot.x + 1);
        }
    });
    store();
    // The end itself is not drawn, so its row may hold no dot.
    while (!line.extents.empty() && line.extents.back().first > line.extents.back().second)
        line.extents.pop_back();
    while (!line.extents.empty() && line.extents.front().first > line.extents.front().second) {
        line.extents.erase(line.extents.begin());
        ++line.top;
    }
    return line;
}

} // namespace

Rect penLine(DIBImage& image, const MaskImage& footprint, Point hotspot, Point from, Point to, ColorRef ink,
             const ToneBytes* tone)
{
    const Point size = footprint.extent();
    const Rect bounds = image.bounds();
    // Each footprint row's run of ink, in footprint columns.
    std::vector<std::pair<int32_t, int32_t>> inks(size_t(size.y));
    for (int32_t r = 0; r < size.y; ++r) {
        const int32_t start = skipBits(footprint.row(r), 0, size.x, true);
        inks[size_t(r)] = {start, skipBits(footprint.row(r), start, size.x, false)};
    }
    const LineRows line = lineRows(from, to);
    if (line.extents.empty())
        return {};
    Rect covered;
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        auto paint = [&](int32_t y, std::pair<int32_t, int32_t> run) {
            const int32_t x0 = std::max(run.first, bounds.left), x1 = std::min(run.second, bounds.right);
            if (y < bounds.top || y >= bounds.bottom || x0 >= x1)
                return;
            paintRun<Pixels>(image, y, x0, x1, ink, tone);
            covered = covered.united({x0, y, x1, y + 1});
        };
        const int32_t lineRowCount = int32_t(line.extents.size());
        const bool rectangle = std::all_of(inks.begin(), inks.end(), [&](auto run) { return run == inks[0]; });
        if (rectangle && inks[0].first < inks[0].second) {
            // The line tool's square pen: an image row is covered from the leftmost to the rightmost
            // dot of the line rows under the pen's height, which lie at the ends of that window since
            // a straight line's rows move one way only.
            auto [a, b] = inks[0];
            for (int32_t y = line.top + hotspot.y; y < line.top + hotspot.y + lineRowCount + size.y - 1; ++y) {
                const int32_t last = std::min(y - hotspot.y - line.top, lineRowCount - 1);
                const int32_t first = std::max(y - hotspot.y - line.top - size.y + 1, 0);
                auto [x0, x1] = line.extents[size_t(first)];
                auto [u0, u1] = line.extents[size_t(last)];
                paint(y, {std::min(x0, u0) + hotspot.x + a, std::max(x1, u1) - 1 + hotspot.x + b});
            }
            return;
        }
        // Any other pen, dab by dab, with one open run per image row: a dab's run that meets it joins
        // it, one that does not paints the open run first. Painting is the same whatever the order,
        // so the result is the dabs' result.
        const int32_t top = line.top + hotspot.y;
        const int32_t rows = lineRowCount + size.y - 1;
        std::vector<std::pair<int32_t, int32_t>> open(size_t(rows), {0, 0});
        forEachLineDot(from, to, [&](Point dot) {
            for (int32_t r = 0; r < size.y; ++r) {
                auto [a, b] = inks[size_t(r)];
                if (a >= b)
                    continue;
                const int32_t y = dot.y + hotspot.y + r;
                std::pair<int32_t, int32_t> run{dot.x + hotspot.x + a, dot.x + hotspot.x + b};
                auto& pending = open[size_t(y - top)];
                if (pending.first < pending.second && run.first <= pending.second && pending.first <= run.second) {
                    pending = {std::min(pending.first, run.first), std::max(pending.second, run.second)};
                    continue;
                }
                if (pending.first < pending.second)
                    paint(y, pending);
                pending = run;
            }
        });
        for (int32_t i = 0; i < rows; ++i)
            if (open[size_t(i)].first < open[size_t(i)].second)
                paint(top + i, open[size_t(i)]);
    });
    return covered;
}
