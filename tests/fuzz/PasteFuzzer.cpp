// Pastes any bytes as a clipboard DIB, marked or not, or as a BMP file, into an 8-bit and a 24-bit
// picture: the paste must give an image of the picture's kind, refuse the bytes, or raise an error
// code; never crash or read outside the block. The first byte chooses: bit 0 marked, bit 1 a BMP file.
#include "base/ErrorFrame.h"
#include "document/PastedPicture.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"

#include <cstdlib>
#include <span>

namespace {

const PaletteModel& fuzzPalette()
{
    static const PaletteModel* palette = [] {
        auto* p = new PaletteModel;
        p->reset();
        for (int i = 0; i < PaletteModel::size; ++i)
            p->setColorAt(i, rgb(uint8_t(i * 7), uint8_t(i * 13), uint8_t(255 - i)));
        p->changed();
        return p;
    }();
    return *palette;
}

void pasteInto(const PasteTarget& target, std::span<const uint8_t> bytes, uint8_t choice)
{
    try {
        std::shared_ptr<DIBImage> image =
            choice & 2 ? fromBmpFile(target, bytes) : fromDib(target, bytes, 0, (choice & 1) != 0);
        if (!image)
            return;
        if (image->depth() != (target.palette ? 8 : 24))
            std::abort();
        // Touch the last byte of every row so that a wrong size or stride shows under the sanitizer.
        volatile uint8_t sink = 0;
        for (int32_t y = 0; y < image->height(); ++y)
            sink = sink + image->row(y)[std::abs(image->stride()) - 1];
    } catch (...) {
        (void)currentError();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::span<const uint8_t> bytes(data + 1, size - 1);
    pasteInto({&fuzzPalette(), paletteIndex(3)}, bytes, data[0]);
    pasteInto({nullptr, rgb(255, 255, 255)}, bytes, data[0]);
    return 0;
}
