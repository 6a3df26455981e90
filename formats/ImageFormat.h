#pragma once

#include "base/Color.h"
#include "base/FilePath.h"

#include <memory>
#include <string_view>
#include <vector>

class DIBImage;
class PaletteModel;

// One image file format. The caller sets file before each read or write; failures are raised as
// error codes and the format never shows messages itself.
class ImageFormat {
public:
    virtual ~ImageFormat() = default;

    // The string id of the format's name, for messages.
    virtual int nameId() const = 0;
    // The extension without its dot.
    virtual std::string_view extension() const = 0;
    // A new 8-bit or 24-bit image. An 8-bit file's colours go into palette; a 24-bit file leaves
    // the palette alone.
    virtual std::shared_ptr<DIBImage> readImage(PaletteModel& palette) = 0;
    // The colour table of an indexed picture, in the file's order, read without its dots; raises
    // errorQuiet for a full-colour picture, which has none.
    virtual std::vector<ColorRef> readColorTable() = 0;
    // Writes the image and, for 8 bits, the palette's colours. No partial file is left behind.
    virtual void writeImage(const DIBImage& image, const PaletteModel& palette) = 0;

    FilePath file;
};
