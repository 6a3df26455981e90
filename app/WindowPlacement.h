#pragma once

#include "core/Geometry.h"

#include <optional>
#include <string_view>

class SettingsFile;

// Where a floating panel was, and whether it was shown; either may be missing from the settings.
struct PanelPlacement {
    std::optional<Point> position;
    std::optional<bool> shown;
};

// "x,y,shown": with fewer than two numbers the position is missing, with fewer than three the
// visibility is.
PanelPlacement readPanelPlacement(const SettingsFile& file, std::string_view key);
void writePanelPlacement(SettingsFile& file, std::string_view key, Point position, bool shown);

// The key "Window", "left,top,width,height", placed on desktop: only four numbers with a positive
// width and height give a rectangle.
std::optional<Rect> readWindowPlacement(const SettingsFile& file, const Rect& desktop);
void writeWindowPlacement(SettingsFile& file, const Rect& frame);

// A frame of size at origin, moved and cut so that it lies within desktop. The sums are taken in
// 64 bits, so that no stored number can overflow them.
Rect placeOnDesktop(Point origin, Point size, const Rect& desktop);
