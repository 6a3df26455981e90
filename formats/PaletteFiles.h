#pragma once

#include "formats/PaletteFormat.h"

#include <functional>
#include <span>

class FilePath;

// A palette file read whole, with the format that read it (null for a picture's colour table).
struct LoadedPalette {
    const PaletteFormat* format = nullptr;
    PaletteRead palette;
};

// Opens and reads the palette file; its format is found by content, then by extension. An indexed
// BMP or TIFF picture gives its colour table, in the file's order. Raises
// errorFileTooShort for a file of fewer than 3 bytes and errorQuiet for one that no format reads
// (shown as an unknown format), and the file's own errors.
LoadedPalette readPaletteFile(FilePath& file);

// Writes the colours to target in format through a replacing write, so that a failed save keeps
// the old file; beforeReplacing runs once the new file is complete (backups, a last refusal).
void writePaletteFile(const FilePath& target, const PaletteFormat& format, std::span<const ColorRef> colors,
                      const std::function<void()>& beforeReplacing = {});
