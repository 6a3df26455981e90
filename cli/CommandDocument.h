#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class BitmapDocument;

// The frame of the editing commands (draw, select): IN opened as the editor opens it into a
// document that lives only for the command, the steps run on it, and OUT written whole or not at
// all. steps throws BadArgument for a value it cannot understand. Answers the exit status: 0
// done, 1 a failure the editor would report (already printed), 2 bad arguments.
int runOnDocument(const std::string& command, const std::string& in, const std::string& out,
                  const std::function<void(BitmapDocument&)>& steps, std::ostream& err);
