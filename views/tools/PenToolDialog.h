#pragma once

#include <optional>

// Asks for the Pencil's pen shape with PEN_TOOL_DIALOG, starting at penIndex (0 is the first shape).
// Answers the index chosen on OK, nothing on Cancel.
std::optional<int> runPenToolDialog(int penIndex);
