#pragma once

#include <span>

class PaletteModel;

// Ramps the colours of the selected entries, taken in ascending entry order whatever the selection
// order, evenly between the first and the last, which keep their colours; then notifies once. Fewer
// than three entries change and notify nothing.
void gradation(PaletteModel& palette, std::span<const int> entries);
