#pragma once

#include <memory>

class MaskImage;

// The outline around shapes: the dots within width of a shape dot that are not shape dots
// themselves, with corners by the chessboard distance (a dot's outline is a square) and without
// them by the city-block distance (a diamond), measured inside the mask's own rectangle. Two passes
// of a distance transform, so the cost does not grow with the width (1 to 254).
std::shared_ptr<MaskImage> outlineMask(const MaskImage& shapes, int width, bool corners);
