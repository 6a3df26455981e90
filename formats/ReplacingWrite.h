#pragma once

#include <functional>

class FilePath;

// Writes a file so that a failure never costs its old contents: write fills a new file beside
// target; once it is complete and on the disk, beforeReplacing runs (it may still stop the save by
// raising) and the new file replaces target in one step, keeping target's permissions, and the
// folder is synced so that the replacement survives a crash. A failure before the replacement
// leaves target as it was and no stray file behind, and goes on to the caller. A target that is a
// symbolic link stays one: the file it leads to is replaced. A target that is there but is no
// regular file (a folder, a FIFO) is kept and the write fails.
void writeReplacing(const FilePath& target, const std::function<void(FilePath& file)>& write,
                    const std::function<void()>& beforeReplacing = {});

// Makes SIGTERM, SIGINT and SIGHUP delete the new file of a write in progress before they end the
// program as they would have. A signal the program was started ignoring stays ignored.
void removeTemporaryFileOnSignals();
