#pragma once

#include <optional>

// ROTATE_DIALOG: an angle in degrees and a direction. Answers the clockwise angle in radians to turn
// the selection by, or nothing when cancelled. The dialog opens on what was last confirmed in this
// run.
std::optional<double> runRotateDialog();
