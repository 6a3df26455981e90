#include "views/MeshCells.h"

#include <algorithm>

Point meshCellOffset(const Rect& picture, Point pitch, Point at, int direction)
{
    if (picture.isEmpty() || pitch.x <= 0 || pitch.y <= 0)
        return {};
    // The last cell starts at the largest multiple of the pitch that leaves a whole cell in the
    // picture, and never before the picture's start, however small the picture is.
    auto last = [](int32_t size, int32_t step) { return std::max(0, (size - step) / step * step); };
    Point lastCell{last(picture.width(), pitch.x), last(picture.height(), pitch.y)};
    auto cellOf = [](int32_t v, int32_t step, int32_t limit) {
        int32_t start = v >= 0 ? v / step * step : 0;
        return std::clamp(start, 0, limit);
    };
    Point cell{cellOf(at.x, pitch.x, lastCell.x), cellOf(at.y, pitch.y, lastCell.y)};
    Point next{cell.x + direction * pitch.x, cell.y};
    if (next.x > lastCell.x) {
        next.x = 0;
        next.y = cell.y + pitch.y > lastCell.y ? 0 : cell.y + pitch.y;
    } else if (next.x < 0) {
        next.x = lastCell.x;
        next.y = cell.y - pitch.y < 0 ? lastCell.y : cell.y - pitch.y;
    }
    return {next.x - cell.x, next.y - cell.y};
}
