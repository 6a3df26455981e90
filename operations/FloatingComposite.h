#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <cstdint>
#include <memory>

class DIBImage;
class MaskImage;

// Rebuilds the shown floating image over area (picture coordinates; the image's top-left dot lies
// at `at`) from the floating image's own pixels and the picture under it. opaque is the region's
// mask in mode 1 and the transparency mask in the others: where it is 0 the picture shows; where it
// is 1 mode 0 and 1 show the own pixel, mode 2 the picture's unless it is background, mode 3 the
// picture's where it is background. Dots outside the picture are left as they are. shown and own
// may be one image (modes 0 and 1 composite in place).
void compositeFloating(DIBImage& shown, const DIBImage& own, const MaskImage& opaque, const DIBImage& picture, Point at,
                       int32_t mode, ColorRef background, const Rect& area);

// Over image: 1 for the dots of regionMask whose pixel is not transparent.
std::shared_ptr<MaskImage> transparencyMaskOf(const DIBImage& image, const MaskImage& regionMask, ColorRef transparent);

// A composite in place took the picture's dots where the transparency mask is 0; inside the region
// those were the transparent colour, which this puts back.
void putBackTransparent(DIBImage& image, const MaskImage& regionMask, const MaskImage& transparencyMask,
                        ColorRef transparent);
