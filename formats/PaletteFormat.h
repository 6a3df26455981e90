#pragma once

#include "base/Color.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// What a palette file held: its colours in file order, and how many entries a reader passed over
// because it cannot show them (colour spaces without a conversion).
struct PaletteRead {
    std::vector<ColorRef> colors;
    int skipped = 0;
};

// One palette file format: bytes in, colours out, and back. Formats read and write no files; the
// caller does, so that every format shares the same checks and replacing writes.
class PaletteFormat {
public:
    // Readers stop after this many colours: enough to tell that a file holds more than a palette.
    static constexpr size_t readLimit = 257;

    virtual ~PaletteFormat() = default;

    // The format's name as the file dialogs list it, and its extension without the dot.
    virtual std::string_view name() const = 0;
    virtual std::string_view extension() const = 0;
    // Whether the bytes carry this format's own signature; a format without one answers false.
    virtual bool recognises(std::span<const uint8_t> bytes) const = 0;
    // The colours of a file of this format (at most readLimit), or nothing when the bytes are not
    // one. RGB colours only: bits 24-31 are 0.
    virtual std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const = 0;
    // A file of this format holding the colours in order.
    virtual std::vector<uint8_t> write(std::span<const ColorRef> colors) const = 0;
};

// Every palette format, in the order the file dialogs list them, the program's own raw ".rgb" first.
std::span<const PaletteFormat* const> paletteFormats();
// The format of a file: the first whose signature the bytes carry, else the first of the
// extension (compared without case), else null.
const PaletteFormat* paletteFormatOf(std::span<const uint8_t> bytes, std::string_view extension);
// The format a file of this extension is saved in: ".pal" is JASC text unless riff asks for the
// RIFF form. Null for an extension no palette format has.
const PaletteFormat* paletteFormatForSave(std::string_view extension, bool riff);
