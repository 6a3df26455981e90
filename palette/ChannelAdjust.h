#pragma once

#include <span>

class PaletteModel;

// The bits of a channel mask.
constexpr int redChannel = 1;
constexpr int greenChannel = 2;
constexpr int blueChannel = 4;
constexpr int allChannels = redChannel | greenChannel | blueChannel;

// The top precision bits of channel (0 red, 1 green, 2 blue) of entry: the value the edit dialog
// shows and its up-down controls step through.
int channelValue(const PaletteModel& palette, int entry, int channel);

// Moves each masked channel of every entry delta steps of the palette's precision, clamped to 0 to
// 255, then notifies once. An empty selection changes and notifies nothing.
void adjustChannels(PaletteModel& palette, std::span<const int> entries, int channelMask, int delta);

// As adjustChannels with delta in pages: a page is 64 in 8-bit terms at every precision.
void adjustChannelsByPage(PaletteModel& palette, std::span<const int> entries, int channelMask, int delta);
