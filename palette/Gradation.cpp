#include "palette/Gradation.h"

#include "palette/PaletteModel.h"

#include <algorithm>
#include <vector>

namespace {

// Rounds towards minus infinity, so that a falling ramp steps like a rising one mirrored.
int floorDiv(int a, int b)
{
    int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

void gradation(PaletteModel& palette, std::span<const int> entries)
{
    if (entries.size() < 3)
        return;
    std::vector<int> sorted(entries.begin(), entries.end());
    std::sort(sorted.begin(), sorted.end());
    int last = int(sorted.size()) - 1;
    ColorRef c0 = palette.colorAt(sorted.front());
    ColorRef c1 = palette.colorAt(sorted.back());
    for (int i = 1; i < last; ++i) {
        auto ramp = [&](int from, int to) { return uint8_t(from + floorDiv((to - from) * i, last)); };
        palette.setColorAt(sorted[size_t(i)], rgb(ramp(redOf(c0), redOf(c1)), ramp(greenOf(c0), greenOf(c1)),
                                                  ramp(blueOf(c0), blueOf(c1))));
    }
    palette.changed();
}
