// Hands any bytes to every palette file format: a read ends in colours or in nothing, never in a
// crash or a read outside the bytes. What a format reads is at most readLimit plain RGB colours, and
// the same format writes them so that they read back unchanged. TILVANER_PALETTE_FORMAT=K fuzzes
// the K-th format of paletteFormats() alone, so that each reader can be given its own run.
#include "formats/PaletteFormat.h"

#include <cstdlib>

namespace {

std::span<const PaletteFormat* const> fuzzedFormats()
{
    static const std::span<const PaletteFormat* const> formats = [] {
        std::span<const PaletteFormat* const> all = paletteFormats();
        const char* chosen = std::getenv("TILVANER_PALETTE_FORMAT");
        if (!chosen)
            return all;
        size_t k = std::strtoul(chosen, nullptr, 10);
        return k < all.size() ? all.subspan(k, 1) : all;
    }();
    return formats;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const uint8_t> bytes(data, size);
    for (const PaletteFormat* format : fuzzedFormats()) {
        // Whatever the signatures say, a format of the extension is always found.
        check(paletteFormatOf(bytes, format->extension()) != nullptr);
        std::optional<PaletteRead> read = format->read(bytes);
        if (!read)
            continue;
        check(read->colors.size() <= PaletteFormat::readLimit);
        check(read->skipped >= 0);
        for (ColorRef color : read->colors)
            check((color & 0xFF000000) == 0);
        std::optional<PaletteRead> again = format->read(format->write(read->colors));
        check(again && again->colors == read->colors && again->skipped == 0);
    }
    return 0;
}
