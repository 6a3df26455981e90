#include "palette/ColorRotation.h"

#include "palette/PaletteModel.h"

#include <algorithm>

int64_t rotationPeriod(int interval)
{
    return std::max<int64_t>(int64_t(interval) * 1000 / 60, 16);
}

int advanceRotationPhase(int phase, int count, bool backward, int64_t steps)
{
    if (count <= 0)
        return 0;
    int64_t step = backward ? count - 1 : 1;
    return int((phase + step * (steps % count)) % count);
}

void rotateColors(PaletteModel& palette, std::span<const int> entries, std::span<const ColorRef> saved, int phase)
{
    size_t count = std::min(entries.size(), saved.size());
    if (count == 0)
        return;
    for (size_t i = 0; i < count; ++i)
        palette.setColorAt(entries[(i + size_t(phase)) % count], saved[i]);
    palette.changed();
}
