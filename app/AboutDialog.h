#pragma once

#include <string>

// The program's version, "major.minor".
std::string programVersion();

// Shows ABOUT_DIALOG: the program's name, what it is for and its version, until the user closes it.
void runAboutDialog();
