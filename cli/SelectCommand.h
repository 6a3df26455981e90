#pragma once

#include <ostream>
#include <string>
#include <vector>

// tilvaner-cli select IN OUT STEP...: opens IN as the editor does, makes, edits and moves its
// selection step by step with the editor's own selection code, commits the selection and writes
// OUT whole or not at all. Answers the exit status as draw does.
int runSelect(const std::vector<std::string>& arguments, std::ostream& err);

// The select command's part of the usage text.
extern const char* const selectUsage;
// The closing lines of select's help, after the steps of every kind.
extern const char* const selectNotes;
