#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <memory>

class DIBImage;

// A new image of source's kind and rect's size holding source's pixels in rect; the parts of rect
// outside source are background. An empty rect raises the framework error, as any empty image does.
std::shared_ptr<DIBImage> copyArea(const DIBImage& source, const Rect& rect, ColorRef background);
