#pragma once

#include <array>
#include <string_view>

// A pointer picture of the program's own: 16 rows of 16 dots, "X" black, "." white, anything else
// transparent, with the hot spot that points.
struct CursorResource {
    std::string_view name;
    int hotX;
    int hotY;
    std::array<std::string_view, 16> rows;
};

// The pointer called name ("HAND_CURS", "ZOOM_IN_CURS", ...), or null when there is none.
const CursorResource* findCursor(std::string_view name);
