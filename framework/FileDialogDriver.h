#pragma once

#include <functional>
#include <string>
#include <vector>

// Works the desktop file dialog that is open, as a user at the keyboard would: for tests that drive
// the real dialog without a person. Each acts on the program's active file dialog; with none open
// they do nothing and answer empty.
namespace fileDialogDriver {

// Runs step once the next dialog's own loop has started.
void whenOpen(const std::function<void()>& step);
// The type entries as the dialog shows them.
std::vector<std::string> filterLabels();
// Picks the 1-based type entry, as choosing it in the list would.
void chooseFilter(int index);
std::string typedName();
void typeName(const std::string& name);
void accept();
void cancel();

} // namespace fileDialogDriver
