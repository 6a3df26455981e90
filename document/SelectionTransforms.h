#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

class BitmapDocument;
struct SelectionRecord;

// The Image menu's flips, turns and scaling of a document's selection: its image (lifted first
// when it does not float yet) and its shape change together and stay floating. Each is one undo
// step of its document and does nothing without a selection; the new image and shape are made
// before anything changes, so a failure (no memory) leaves the selection as it was.
namespace selectionTransforms {

// Mirrors the selection across the axes whose factor is -1 (factors are +1 or -1).
void mirrorScale(BitmapDocument& document, Point factors);
// Scales the selection to |size| dots with its top-left corner at topLeft (by default where it is);
// a negative side mirrors that axis.
void scaleTo(BitmapDocument& document, Point size, std::optional<Point> topLeft = std::nullopt);
// Turns the selection clockwise by angle radians about its centre: exactly for quarter and half
// turns; otherwise over the turned box, cut to the dots its shape keeps. An angle of 0, or a turn
// that keeps no dot of a sparse shape, changes nothing.
void rotate(BitmapDocument& document, double angle);

// The selection as it is now, for turning again later without turning a turned image: its shape,
// its own pixels (the picture's under it when it is not lifted yet) as the floating image, and the
// colour a lift takes as transparent. None without a selection; the document does not change.
std::shared_ptr<SelectionRecord> unturnedCopy(BitmapDocument& document);
// Puts copy (from unturnedCopy) turned by angle in place of the selection, as rotate does; an angle
// of 0 puts back the copy as it was. Nothing happens without a selection.
void rotateCopy(BitmapDocument& document, const SelectionRecord& copy, double angle);

// An angle typed in degrees, as the rotate dialog and the CLI take it: a decimal number of at most
// 6 digits, with an optional sign and fraction, truncated to whole degrees; nothing for other text.
std::optional<int32_t> wholeDegrees(std::string_view text);
// The clockwise angle in radians of a turn by degrees, counter-clockwise making it 360 - degrees.
double rotationAngle(int32_t degrees, bool counterClockwise);

} // namespace selectionTransforms
