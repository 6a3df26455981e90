#pragma once

#include <optional>

// Asks for the Line tool's width in dots (1 to 99) with LINE_TOOL_DIALOG, starting at width. Answers
// the width entered on OK, nothing on Cancel.
std::optional<int> runLineToolDialog(int width);
