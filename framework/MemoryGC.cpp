#include "framework/MemoryGC.h"

#include "pixels/DIBImage.h"
#include "pixels/IndexedImage.h"

#include <QImage>

MemoryGC::MemoryGC(DIBImage& image, std::shared_ptr<LogicalPalette> palette)
    : GraphicsContext(image.depth() == 8   ? ColorSpace::paletteIndex
                      : image.depth() == 1 ? ColorSpace::bit
                                           : ColorSpace::rgb,
                      std::move(palette)),
      m_image(image), m_target(std::make_unique<QImage>(image.beginDrawing()))
{
    begin(m_target.get());
}

MemoryGC::~MemoryGC()
{
    end();
    m_image.endDrawing(*m_target);
}

std::shared_ptr<MemoryGC> makeGC(DIBImage& image)
{
    // Only indexed images are 8 bits deep.
    auto palette = image.depth() == 8 ? static_cast<IndexedImage&>(image).palette() : nullptr;
    return std::make_shared<MemoryGC>(image, std::move(palette));
}
