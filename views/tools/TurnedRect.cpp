#include "views/tools/TurnedRect.h"

#include <cmath>
#include <numbers>

namespace {

int32_t nearest(double v)
{
    return int32_t(std::floor(v + 0.5));
}

} // namespace

Point turnedHandlePoint(const Rect& rect, FrameHandle handle, double angle)
{
    // Through the edge pixels' centres, so that an unturned frame's handles sit on its outline.
    double cx = (rect.left + rect.right - 1) / 2.0, cy = (rect.top + rect.bottom - 1) / 2.0;
    double x = handle.x * (rect.width() - 1) / 2.0, y = handle.y * (rect.height() - 1) / 2.0;
    double c = std::cos(angle), s = std::sin(angle);
    return {nearest(cx + c * x - s * y), nearest(cy + s * x + c * y)};
}

std::array<Point, 4> turnedCorners(const Rect& rect, double angle)
{
    return {turnedHandlePoint(rect, {-1, -1}, angle), turnedHandlePoint(rect, {1, -1}, angle),
            turnedHandlePoint(rect, {1, 1}, angle), turnedHandlePoint(rect, {-1, 1}, angle)};
}

bool insideTurned(const Rect& rect, double angle, Point dot)
{
    // Turned back into the rectangle's own axes.
    double dx = dot.x + 0.5 - (rect.left + rect.right) / 2.0, dy = dot.y + 0.5 - (rect.top + rect.bottom) / 2.0;
    double c = std::cos(angle), s = std::sin(angle);
    double x = c * dx + s * dy, y = -s * dx + c * dy;
    return std::abs(x) <= rect.width() / 2.0 && std::abs(y) <= rect.height() / 2.0;
}

double cornerTurn(const Rect& rect, FrameHandle corner, Point pointer)
{
    double dx = pointer.x - (rect.left + rect.right) / 2.0, dy = pointer.y - (rect.top + rect.bottom) / 2.0;
    double own = std::atan2(double(corner.y) * rect.height(), double(corner.x) * rect.width());
    double turn = std::remainder(std::atan2(dy, dx) - own, 2 * std::numbers::pi);
    // remainder gives [-pi, pi]; a half turn is the same either way and reads as +pi.
    return turn <= -std::numbers::pi ? turn + 2 * std::numbers::pi : turn;
}
