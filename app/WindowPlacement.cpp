#include "app/WindowPlacement.h"

#include "formats/SettingsFile.h"

#include <algorithm>
#include <cstdio>

PanelPlacement readPanelPlacement(const SettingsFile& file, std::string_view key)
{
    int x = 0, y = 0, shown = 0;
    int read = std::sscanf(file.readString(key).c_str(), "%d,%d,%d", &x, &y, &shown);
    PanelPlacement placement;
    if (read >= 2)
        placement.position = Point{x, y};
    if (read >= 3)
        placement.shown = shown != 0;
    return placement;
}

void writePanelPlacement(SettingsFile& file, std::string_view key, Point position, bool shown)
{
    file.writeString(key, std::to_string(position.x) + "," + std::to_string(position.y) + "," + (shown ? "1" : "0"));
}

std::optional<Rect> readWindowPlacement(const SettingsFile& file)
{
    int left = 0, top = 0, width = 0, height = 0;
    if (std::sscanf(file.readString("Window").c_str(), "%d,%d,%d,%d", &left, &top, &width, &height) != 4 ||
        width <= 0 || height <= 0)
        return std::nullopt;
    return Rect{left, top, left + width, top + height};
}

void writeWindowPlacement(SettingsFile& file, const Rect& frame)
{
    file.writeString("Window", std::to_string(frame.left) + "," + std::to_string(frame.top) + "," +
                                   std::to_string(frame.width()) + "," + std::to_string(frame.height()));
}

Rect clipToDesktop(const Rect& frame, const Rect& desktop)
{
    int32_t width = std::min(frame.width(), desktop.width());
    int32_t height = std::min(frame.height(), desktop.height());
    int32_t left = std::clamp(frame.left, desktop.left, desktop.right - width);
    int32_t top = std::clamp(frame.top, desktop.top, desktop.bottom - height);
    return {left, top, left + width, top + height};
}
