#pragma once

#include <string>

// The program's own window for an HTML page, for a desktop with no browser to take it. One window
// serves every request and is raised when already open.
namespace helpViewer {

// Shows the page at path; answers whether it could be read.
bool show(const std::string& path);
// The title of the page the window shows; empty while it is closed.
std::string shownTitle();
// Closes the window, as its close box would.
void close();

} // namespace helpViewer
