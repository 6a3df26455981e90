#pragma once

// Hands any bytes to a picture reader: the read, and that of the colour table alone, must end in an
// image (a table of at most 256 colours) or a raised error code, never in a crash or a read outside
// the buffers.
#include "base/ErrorFrame.h"
#include "formats/ImageFormat.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"
#include "tests/fuzz/MemoryFile.h"

#include <cstdlib>

// A palette whose stored entries are not the colour numbers, so that the readers' translation of
// pixel values runs too (a document's palette maps every number to itself).
class ShiftedPalette : public PaletteModel {
public:
    int entryOf(int index) const override { return (index + 1) & 0xFF; }
};

inline void fuzzRead(ImageFormat& format, PaletteModel& palette, const std::string& path)
{
    try {
        format.file.setFullPath(path);
        std::shared_ptr<DIBImage> image = format.readImage(palette);
        // Touch the last byte of every row so that a wrong size or stride shows under the sanitizer.
        volatile uint8_t sink = 0;
        for (int32_t y = 0; y < image->height(); ++y)
            sink = sink + image->row(y)[std::abs(image->stride()) - 1];
    } catch (...) {
        (void)currentError();
    }
}

inline void fuzzReadColorTable(ImageFormat& format, const std::string& path)
{
    try {
        format.file.setFullPath(path);
        if (format.readColorTable().size() > 256)
            std::abort();
    } catch (...) {
        (void)currentError();
    }
}

inline void fuzzRead(ImageFormat& format, const uint8_t* data, size_t size)
{
    static MemoryFile input;
    input.fill(data, size);
    PaletteModel plain;
    fuzzRead(format, plain, input.path());
    ShiftedPalette shifted;
    fuzzRead(format, shifted, input.path());
    fuzzReadColorTable(format, input.path());
}
