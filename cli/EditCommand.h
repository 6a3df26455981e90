#pragma once

#include <ostream>
#include <string>
#include <vector>

// tilvaner-cli edit IN OUT STEP... (also called draw and select): opens IN as the editor does,
// runs the steps left to right with the editor's own code (settings, selections, drawing, the
// clipboard, the Image menu's operations and palette work), commits the selection and writes OUT
// whole or not at all. command is the name it was called by, which its messages begin with.
// Answers the exit status: 0 done, 1 a failure the editor would report (already printed), 2 bad
// arguments.
int runEdit(const char* command, const std::vector<std::string>& arguments, std::ostream& err);

// The edit command's part of the usage text: its steps, grouped by kind.
std::string editUsage();
