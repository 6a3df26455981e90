#pragma once

#include "base/Color.h"
#include "palette/PaletteModel.h"

#include <span>

// A turn of hue, saturation and value: the hue in quarter degrees (-720 to 720), the factors in
// 1/256 units (128 to 512, that is 50 % to 200 %).
struct ToneFactors {
    int hueShift = 0;
    int saturationFactor = 256;
    int valueFactor = 256;
};

constexpr int hueTurn = 1440;
constexpr int maxHueShift = 720;
constexpr int minToneFactor = 128;
constexpr int maxToneFactor = 512;

// c with its hue turned and its saturation and value scaled, in integer steps; not quantised.
ColorRef shiftTone(ColorRef c, const ToneFactors& f);

// The colour that a snapshot holds in physical entry, black outside the block.
ColorRef snapshotColor(const PaletteModel::Snapshot& snapshot, int entry);

// Gives every entry its colour in from turned by f, so that repeated calls with new factors do not
// accumulate; then notifies once. A block that is not a palette snapshot changes nothing.
void applyTone(PaletteModel& palette, const PaletteModel::Snapshot& from, std::span<const int> entries,
               const ToneFactors& f);

// The tone dialog's trackbars: the hue bar runs 0 to 1440, the factor bars 0 to 512 with 100 % in
// the middle, so that 50 % to 100 % take as much travel as 100 % to 200 %.
int huePosition(int hueShift);
int hueShiftAt(int position);
int factorPosition(int factor);
int factorAt(int position);
