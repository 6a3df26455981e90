#include "palette/ChannelAdjust.h"

#include "palette/PaletteModel.h"

#include <algorithm>

int channelValue(const PaletteModel& palette, int entry, int channel)
{
    int p = palette.precision();
    return int(palette.colorAt(entry) >> (8 * channel + 8 - p)) & ((1 << p) - 1);
}

void adjustChannels(PaletteModel& palette, std::span<const int> entries, int channelMask, int delta)
{
    if (entries.empty())
        return;
    int step = delta * (1 << (8 - palette.precision()));
    for (int entry : entries) {
        ColorRef c = palette.colorAt(entry);
        int v[3] = {redOf(c), greenOf(c), blueOf(c)};
        for (int channel = 0; channel < 3; ++channel) {
            if (channelMask & (1 << channel))
                v[channel] = std::clamp(v[channel] + step, 0, 255);
        }
        // Clamping first and quantising after makes a step up from the top level land on 255.
        palette.setColorAt(entry, rgb(uint8_t(v[0]), uint8_t(v[1]), uint8_t(v[2])));
    }
    palette.changed();
}

void adjustChannelsByPage(PaletteModel& palette, std::span<const int> entries, int channelMask, int delta)
{
    adjustChannels(palette, entries, channelMask, delta * (64 >> (8 - palette.precision())));
}
