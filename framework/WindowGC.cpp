#include "framework/WindowGC.h"

#include "framework/WindowSurface.h"

#include <QImage>

WindowGC::WindowGC(WindowSurface& surface, std::shared_ptr<LogicalPalette> palette)
    : GraphicsContext(ColorSpace::rgb, std::move(palette))
{
    begin(&surface.image());
}

WindowGC::~WindowGC()
{
    end();
}
