#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The values of the editing commands' steps. A value that cannot be understood throws BadArgument,
// whose text goes to standard error, and the command exits 2.
struct BadArgument {
    std::string reason;
};
// A step the editor would refuse or ignore: its text goes to standard error, OUT is not written and
// the command exits 1.
struct StepFailed {
    std::string reason;
};

// A whole number from low to high.
int32_t stepNumber(std::string_view text, int32_t low, int32_t high, const std::string& option);
// Whole numbers from low to high separated by commas.
std::vector<int32_t> stepNumbers(const std::string& text, int32_t low, int32_t high, const std::string& option);
// X,Y pairs separated by commas.
std::vector<Point> stepPoints(const std::string& text, const std::string& option);
// One X,Y pair.
Point stepPoint(const std::string& text, const std::string& option);
// L,T,R,B: a rectangle whose right and bottom are excluded.
Rect stepRect(const std::string& text, const std::string& option);
// A palette index for an 8-bit picture, #RRGGBB for a full-colour one.
ColorRef stepColor(const std::string& text, bool fullColor, const std::string& option);
