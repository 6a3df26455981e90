#pragma once

#include "framework/GraphicsContext.h"

#include <memory>

class DIBImage;

// A context that draws into an image's pixels. Into an 8-bit image it writes palette indices: a
// palette-index colour is its index and an RGB colour the nearest entry of the selected palette.
class MemoryGC : public GraphicsContext {
public:
    MemoryGC(DIBImage& image, std::shared_ptr<LogicalPalette> palette);
    ~MemoryGC() override;

private:
    DIBImage& m_image;
    std::unique_ptr<QImage> m_target;
};

// A context that draws into image; into an 8-bit image with the image's own palette selected.
std::shared_ptr<MemoryGC> makeGC(DIBImage& image);
