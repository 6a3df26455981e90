#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <optional>
#include <string_view>

class BitmapDocument;

// The Image menu's flips, turns and scaling of a document's selection: its image (lifted first
// when it does not float yet) and its shape change together and stay floating. Each is one undo
// step of its document and does nothing without a selection; the new image and shape are made
// before anything changes, so a failure (no memory) leaves the selection as it was.
namespace selectionTransforms {

// Mirrors the selection across the axes whose factor is -1 (factors are +1 or -1).
void mirrorScale(BitmapDocument& document, Point factors);
// Scales the selection to |size| dots, its top-left corner kept; a negative side mirrors that axis.
void scaleTo(BitmapDocument& document, Point size);
// Turns the selection clockwise by angle radians about its centre: exactly for quarter and half
// turns; otherwise over the turned box, cut to the dots its shape keeps. An angle of 0, or a turn
// that keeps no dot of a sparse shape, changes nothing.
void rotate(BitmapDocument& document, double angle);

// An angle typed in degrees, as the rotate dialog and the CLI take it: a decimal number of at most
// 6 digits, with an optional sign and fraction, truncated to whole degrees; nothing for other text.
std::optional<int32_t> wholeDegrees(std::string_view text);
// The clockwise angle in radians of a turn by degrees, counter-clockwise making it 360 - degrees.
double rotationAngle(int32_t degrees, bool counterClockwise);

} // namespace selectionTransforms
