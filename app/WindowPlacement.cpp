#include "app/WindowPlacement.h"

#include "base/NumberList.h"
#include "formats/SettingsFile.h"

#include <algorithm>
#include <cstdint>

PanelPlacement readPanelPlacement(const SettingsFile& file, std::string_view key)
{
    std::vector<int32_t> numbers = NumberList::read(file.readString(key), 3);
    PanelPlacement placement;
    if (numbers.size() >= 2)
        placement.position = Point{numbers[0], numbers[1]};
    if (numbers.size() >= 3)
        placement.shown = numbers[2] != 0;
    return placement;
}

void writePanelPlacement(SettingsFile& file, std::string_view key, Point position, bool shown)
{
    file.writeString(key, std::to_string(position.x) + "," + std::to_string(position.y) + "," + (shown ? "1" : "0"));
}

std::optional<Rect> readWindowPlacement(const SettingsFile& file, const Rect& desktop)
{
    std::vector<int32_t> n = NumberList::read(file.readString("Window"), 4);
    if (n.size() != 4 || n[2] <= 0 || n[3] <= 0)
        return std::nullopt;
    return placeOnDesktop({n[0], n[1]}, {n[2], n[3]}, desktop);
}

void writeWindowPlacement(SettingsFile& file, const Rect& frame)
{
    file.writeString("Window", std::to_string(frame.left) + "," + std::to_string(frame.top) + "," +
                                   std::to_string(frame.width()) + "," + std::to_string(frame.height()));
}

Rect placeOnDesktop(Point origin, Point size, const Rect& desktop)
{
    auto place = [](int64_t start, int64_t length, int64_t low, int64_t high) {
        high = std::max(high, low);
        length = std::clamp<int64_t>(length, 0, high - low);
        start = std::clamp(start, low, high - length);
        return std::pair{int32_t(start), int32_t(start + length)};
    };
    auto [left, right] = place(origin.x, size.x, desktop.left, desktop.right);
    auto [top, bottom] = place(origin.y, size.y, desktop.top, desktop.bottom);
    return {left, top, right, bottom};
}
