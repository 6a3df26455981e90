#pragma once

#include <cstdint>
#include <optional>

// The edge outline's settings: its width in dots and whether it grows without corners.
struct EdgeSettings {
    int32_t width = 1;
    bool withoutCorners = false;
};

// EDGE_DIALOG: the outline's width, 1 to 64 dots, and with (101) or without (102) corners, starting
// at current. Answers what was chosen, or nothing when cancelled.
std::optional<EdgeSettings> runEdgeDialog(EdgeSettings current);
