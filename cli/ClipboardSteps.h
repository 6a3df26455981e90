#pragma once

#include <cstddef>
#include <string>
#include <vector>

class BitmapDocument;

extern const char* const clipboardStepsUsage;

// The select command's clipboard steps at arguments[first]: --cut; --copy FILE, which writes the DIB a
// copy would publish; --paste FILE [--marked] [--at X,Y], FILE being a packed DIB or a BMP file.
// Answers how many arguments the step took, 0 when arguments[first] is none of these. A paste the
// editor would ignore, or a FILE that cannot be read or written, throws StepFailed.
size_t runClipboardStep(BitmapDocument& document, const std::vector<std::string>& arguments, size_t first);
