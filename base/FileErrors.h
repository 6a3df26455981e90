#pragma once

#include <cstdint>
#include <string>

// How a failed picture read or write reaches the user; name is the file's name without its folder.
// An unrecognised or truncated file says so (128), a too large one 150, anything else has its own
// message or the read (136) or write (137) one.
void reportReadFailure(int32_t code, const std::string& name);
void reportWriteFailure(int32_t code, const std::string& name);
// A palette file's failed read: as a picture's, except that a file too short for one colour says
// so (138) rather than calling its format unknown.
void reportPaletteReadFailure(int32_t code, const std::string& name);
