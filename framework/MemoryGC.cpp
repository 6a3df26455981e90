#include "framework/MemoryGC.h"

#include "framework/DIBImage.h"

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
