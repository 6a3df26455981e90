#pragma once

#include "base/Color.h"
#include "pixels/Region.h"

#include <cstdint>
#include <memory>

class DIBImage;
class MaskImage;

// The paste modes: how a floating image shows over the picture and is written into it.
namespace pasteModes {
constexpr int32_t backgroundTransparent = 0;
constexpr int32_t everything = 1;
constexpr int32_t behind = 2;
constexpr int32_t inside = 3;
} // namespace pasteModes

// One selection: the selected dots and, once lifted or pasted, the floating image that hovers over
// the picture until it is committed. Shared by the document, its views and undo steps, so it is
// changed only through the document's selection plug.
struct SelectionRecord {
    // The selected dots in image coordinates; may reach beyond the picture.
    Region region;
    // Covers region.bounds(); none until the selection is lifted. While shown it is the composite.
    std::shared_ptr<DIBImage> floatingImage;
    // Modes 2 and 3: the floating image's own pixels while floatingImage holds the composite.
    std::shared_ptr<DIBImage> ownPixels;
    // Over region.bounds(): 1 for region dots whose own pixel is not the transparent colour.
    std::shared_ptr<MaskImage> transparencyMask;
    ColorRef transparentColor = 0;
    int32_t pasteMode = pasteModes::backgroundTransparent;
};
