#pragma once

#include "core/Color.h"

#include <memory>

class DIBImage;
class MaskImage;

// A mask of the image's size with 1 bits for the dots that are not colour c.
std::shared_ptr<MaskImage> maskOfOtherColors(const DIBImage& image, ColorRef c);
