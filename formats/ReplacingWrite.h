#pragma once

#include <functional>

class FilePath;

// Writes a file so that a failure never costs its old contents: write fills a new file beside
// target, which then replaces target in one step. A failed write leaves target as it was and no
// stray file behind, and the failure goes on to the caller.
void writeReplacing(const FilePath& target, const std::function<void(FilePath& file)>& write);
