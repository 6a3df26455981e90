#include "palette/ToneShift.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int sectorWidth = hueTurn / 6;

// Rounds o / c half away from zero; c is positive.
int roundedQuotient(int o, int c)
{
    return o < 0 ? -((c / 2 - o) / c) : (o + c / 2) / c;
}

} // namespace

ColorRef shiftTone(ColorRef c, const ToneFactors& f)
{
    const int r = redOf(c), g = greenOf(c), b = blueOf(c);
    // Ties between the largest channels go to green over red, and to blue only when it is strictly
    // the largest.
    int top = g >= r ? 1 : 0;
    int v = std::max(r, g);
    if (b > v) {
        top = 2;
        v = b;
    }
    int low = std::min({r, g, b});
    int s = v == 0 ? 0 : ((v - low) * 255 + v / 2) / v;
    int h = 0;
    if (s > 0) {
        // The chroma works out to v - low, so it is at least 1 here.
        int chroma = (v * s + 127) / 255;
        int o = (top == 0 ? g - b : top == 1 ? b - r : r - g) * sectorWidth;
        h = top * 2 * sectorWidth + roundedQuotient(o, chroma);
    }

    int s2 = std::clamp((f.saturationFactor * s + 128) >> 8, 0, 255);
    int v2 = std::clamp((f.valueFactor * v + 128) >> 8, 0, 255);
    if (s2 < 1)
        return rgb(uint8_t(v2), uint8_t(v2), uint8_t(v2));

    int a = ((f.hueShift + h) % hueTurn + hueTurn) % hueTurn;
    int sector = a / sectorWidth;
    int fraction = a % sectorWidth;
    auto level = [v2](int x) { return uint8_t(((255 - x) * v2 + 127) / 255); };
    uint8_t p = level(s2);
    uint8_t q = level((s2 * fraction + 120) / sectorWidth);
    uint8_t t = level(((sectorWidth - fraction) * s2 + 120) / sectorWidth);
    uint8_t peak = uint8_t(v2);
    switch (sector) {
    case 0: return rgb(peak, t, p);
    case 1: return rgb(q, peak, p);
    case 2: return rgb(p, peak, t);
    case 3: return rgb(p, q, peak);
    case 4: return rgb(t, p, peak);
    default: return rgb(peak, p, q);
    }
}

ColorRef snapshotColor(const PaletteModel::Snapshot& snapshot, int entry)
{
    size_t at = 2 + 4 * size_t(entry);
    if (entry < 0 || at + 4 > snapshot.size())
        return rgb(0, 0, 0);
    // Read as restore reads it, so a block taken on this machine decodes as it was written.
    ColorRef c;
    std::memcpy(&c, snapshot.data() + at, sizeof c);
    return c;
}

void applyTone(PaletteModel& palette, const PaletteModel::Snapshot& from, std::span<const int> entries,
               const ToneFactors& f)
{
    if (from.size() != size_t(PaletteModel::snapshotSize))
        return;
    for (int e : entries)
        palette.setColorAt(e, shiftTone(snapshotColor(from, palette.entryOf(e)), f));
    palette.changed();
}

int huePosition(int hueShift)
{
    return std::clamp(hueShift + maxHueShift, 0, 2 * maxHueShift);
}

int hueShiftAt(int position)
{
    return std::clamp(position, 0, 2 * maxHueShift) - maxHueShift;
}

int factorPosition(int factor)
{
    return factor <= 255 ? 2 * factor - 256 : factor;
}

int factorAt(int position)
{
    int q = std::max(position, 0);
    if (q < 256)
        return minToneFactor + q / 2;
    return std::min(q, maxToneFactor);
}
