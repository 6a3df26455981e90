#pragma once

#include <filesystem>
#include <optional>

namespace help {

// The help file of the program at program: beside it under its name with the extension ".html", else
// under that name in dataFolder, where an installation puts it; nothing when neither exists.
std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& program,
                                                  const std::filesystem::path& dataFolder);

// Opens the help file in the desktop's browser, or in the program's own viewer when the desktop
// will not take it; a missing file, or one neither could read, is reported to the user. Answers
// whether the help is shown.
bool openHelp(const std::filesystem::path& program, const std::filesystem::path& dataFolder);
// The same for the running program and its installed data folder.
bool openHelp();

} // namespace help
