#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <array>
#include <cstdint>
#include <string>

// The texts of the information panel's fields, in the order of their ids from 100. A sub-panel
// with fewer fields leaves the rest empty.
using ReadoutFields = std::array<std::string, 4>;

namespace readout {

// X and Y, signed.
ReadoutFields position(Point displayed);
// X and Y of the top-left corner, then the width and height.
ReadoutFields selection(Point displayedOrigin, Point size);
// An angle in hundredths of a degree, truncated and wrapped into 0 ... 35999.
int32_t hundredthsOfDegree(double radians);
// Whole degrees, then "." and two decimals.
ReadoutFields rotation(double radians);
// The new width and height against the old in percent, each as whole percent and "." with two
// decimals; a side whose old length is 0 has blank fields.
ReadoutFields scale(const Rect& before, const Rect& after);
// R, G and B of an RGB colour at bits per channel, each over the largest value: " 31/31".
ReadoutFields color(ColorRef rgbColor, int bits);

} // namespace readout
