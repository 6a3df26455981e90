#pragma once

#include "base/Color.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The palette file commands of tilvaner-cli, on every palette format the editor reads (told apart
// by content, then extension) and writes (chosen by OUT's extension; ".pal" is JASC text unless
// --riff). Each answers the exit status: 0 done, 1 a failure the editor would report (already
// printed) or a picture without a palette, 2 bad arguments.

// palette convert IN OUT [--riff]: IN's colours, at most 256, written to OUT.
int convertPalette(const std::vector<std::string>& arguments, std::ostream& err);
// palette save PIC OUT [--rows R,R,...] [--riff]: the picture's palette rows (all by default),
// ascending, 16 colours each.
int savePalette(const std::vector<std::string>& arguments, std::ostream& err);
// palette load PIC PAL OUT [--at N]: the file's colours into entries N ... N + n - 1 of the
// picture's palette, its dots untouched; written to OUT whole or not at all.
int loadPalette(const std::vector<std::string>& arguments, std::ostream& err);

// The colours of the palette file name, at most a palette's worth (more are said on err, after
// command, and dropped), or nothing once the editor's message is printed.
std::optional<std::vector<ColorRef>> readPaletteColors(const std::string& name, std::ostream& err, const char* command);

// The commands' part of the usage text.
extern const char* const paletteFileUsage;
