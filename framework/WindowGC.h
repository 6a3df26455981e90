#pragma once

#include "framework/GraphicsContext.h"

class WindowSurface;

// A context that draws on a window, for one drawing pass; the window's palette, when it has one,
// resolves palette-index colours.
class WindowGC : public GraphicsContext {
public:
    explicit WindowGC(WindowSurface& surface, std::shared_ptr<LogicalPalette> palette = nullptr);
    ~WindowGC() override;
};
