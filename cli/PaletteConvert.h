#pragma once

#include <ostream>
#include <string>
#include <vector>

// tilvaner-cli palette convert IN OUT [--riff]: reads a palette file of any format the editor
// reads and writes its colours (at most 256) in the format of OUT's extension. Answers the exit
// status: 0 done, 1 a failure the editor would report (already printed), 2 bad arguments.
int convertPalette(const std::vector<std::string>& arguments, std::ostream& err);

// The command's part of the usage text.
extern const char* const paletteConvertUsage;
