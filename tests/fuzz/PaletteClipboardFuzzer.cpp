// Pastes any bytes as a palette object with an order block, as a paste of palette colours reads
// them: at most 256 colours, each from a whole entry inside the object, and one offset per colour,
// each an entry of the palette. The first two bytes (little-endian) give the object's length; the
// bytes after the object are the block.
#include "palette/PaletteClipboardLayout.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <span>

using namespace paletteClipboard;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Each part gets an allocation of its own size, so that a read past its end shows under the sanitizer.
std::span<const uint8_t> ownCopy(std::unique_ptr<uint8_t[]>& holder, const uint8_t* data, size_t size)
{
    holder = std::make_unique<uint8_t[]>(size);
    std::copy(data, data + size, holder.get());
    return {holder.get(), size};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    size_t objectSize = std::min(size_t(data[0] | data[1] << 8), size - 2);
    std::unique_ptr<uint8_t[]> objectHolder;
    std::unique_ptr<uint8_t[]> blockHolder;
    std::span<const uint8_t> object = ownCopy(objectHolder, data + 2, objectSize);
    std::span<const uint8_t> block = ownCopy(blockHolder, data + 2 + objectSize, size - 2 - objectSize);

    std::vector<ColorRef> colors = colorsOfPaletteObject(object);
    check(colors.size() <= maxColors);
    check(colors.empty() || object.size() >= paletteObjectHeaderSize + colors.size() * paletteObjectEntrySize);
    for (size_t i = 0; i < colors.size(); ++i) {
        const uint8_t* entry = object.data() + paletteObjectHeaderSize + i * paletteObjectEntrySize;
        check(colors[i] == rgb(entry[0], entry[1], entry[2]));
    }

    std::vector<uint8_t> offsets = pasteOffsets(colors.size(), block);
    check(offsets.size() == colors.size());
    bool fromBlock = block.size() >= colors.size();
    for (size_t i = 0; i < offsets.size(); ++i) {
        check(size_t(offsets[i]) < maxColors);
        check(offsets[i] == (fromBlock ? block[i] : uint8_t(i)));
    }

    // What a paste reads, a copy writes back the same.
    check(colorsOfPaletteObject(paletteObjectBytes(colors)) == colors);
    check(colorsAsText(colors).size() == colors.size() * 8);
    return 0;
}
