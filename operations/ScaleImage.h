#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <memory>
#include <vector>

class DIBImage;
class MaskImage;

// Nearest-neighbour scaling with centred error terms: destination index i of a side of length |d|
// takes source index floor((i * s + s div 2) / |d|) of a side of length s, counted from the far end
// when d is negative (a mirror).
std::vector<int32_t> scaledIndices(int32_t sourceLength, int32_t size);

// A new image of source's kind and palette of |size.x| x |size.y| pixels, each copied from the
// source pixel scaledIndices names on both axes: a negative size mirrors that axis, and a size equal
// to the source's in magnitude copies or flips it. Every destination row is one pass; a source row
// taken again copies the destination row before it.
std::shared_ptr<DIBImage> scaleImage(const DIBImage& source, Point size);
// The same scaling of a mask's dots, so that a scaled shape stays aligned with its scaled image.
std::shared_ptr<MaskImage> scaleMask(const MaskImage& source, Point size);
