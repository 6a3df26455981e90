#pragma once

#include "base/Color.h"

#include <cstdint>
#include <span>

class PaletteModel;

// The steps of a palette rotation, in which the colours of a group of entries take turns.

// The time between two steps, in milliseconds, for an interval in sixtieths of a second: never under
// 16, one frame of a 60 Hz screen.
int64_t rotationPeriod(int interval);
// The phase after steps more steps over count entries: forward adds one per step, backward takes one.
int advanceRotationPhase(int phase, int count, bool backward, int64_t steps);
// Entry entries[(i + phase) mod n] takes saved colour i, for every i; then the palette notifies
// once. Phase 0 gives every entry its saved colour back.
void rotateColors(PaletteModel& palette, std::span<const int> entries, std::span<const ColorRef> saved, int phase);
