#pragma once

#include <ostream>
#include <string>
#include <vector>

// tilvaner-cli draw IN OUT STEP...: opens IN as the editor does, applies the settings and strokes
// left to right with the editor's own drawing code, and writes OUT whole or not at all. Answers
// the exit status: 0 done, 1 a failure the editor would report (already printed), 2 bad arguments.
int runDraw(const std::vector<std::string>& arguments, std::ostream& err);

// The draw command's part of the usage text.
extern const char* const drawUsage;
