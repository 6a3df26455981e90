#pragma once

#include <ostream>
#include <string>
#include <vector>

// tilvaner-cli palette list PIC | palette move IN OUT --entries E,... --by D: prints an indexed
// picture's palette, or sorts it as the editor's sort dialog does, renumbering the pixels so the
// picture looks the same. Answers the exit status: 0 done, 1 a picture without a palette or a
// failure the editor would report, 2 bad arguments.
int runPalette(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The palette command's part of the usage text.
extern const char* const paletteUsage;
