#include "views/NudgeStep.h"

#include <algorithm>

Point nudgeStep(Point unit, std::optional<Point> meshSize, bool shift, bool control)
{
    unit = {std::max(unit.x, 1), std::max(unit.y, 1)};
    if (control && meshSize) {
        auto reduced = [](int32_t cell, int32_t u) { return std::max(u, cell / u * u); };
        return {reduced(meshSize->x, unit.x), reduced(meshSize->y, unit.y)};
    }
    int32_t times = shift ? 8 : 1;
    return {unit.x * times, unit.y * times};
}
