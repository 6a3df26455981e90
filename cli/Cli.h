#pragma once

#include <ostream>
#include <string>
#include <vector>

// tilvaner-cli: the editor's picture handling without a window. Answers the process exit status.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
