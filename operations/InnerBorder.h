#pragma once

#include <memory>

class MaskImage;

// The dots of mask that have at least one of their four neighbours outside it (dots beyond the
// mask's edge are outside), as a mask of the same size and place.
std::shared_ptr<MaskImage> innerBorder(const MaskImage& mask);
