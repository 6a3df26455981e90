#include "formats/RawPaletteFormat.h"

#include <algorithm>

namespace {

class RawPaletteFormat : public PaletteFormat {
public:
    std::string_view name() const override { return "RGB palette"; }
    std::string_view extension() const override { return "rgb"; }
    bool recognises(std::span<const uint8_t>) const override { return false; }

    // Fewer than 3 bytes give no colours rather than nothing, so that the caller can tell a file
    // that is too short from one of another format.
    std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const override
    {
        PaletteRead palette;
        size_t count = std::min(bytes.size() / 3, readLimit);
        palette.colors.reserve(count);
        for (size_t i = 0; i < count; ++i)
            palette.colors.push_back(rgb(bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]));
        return palette;
    }

    std::vector<uint8_t> write(std::span<const ColorRef> colors) const override
    {
        std::vector<uint8_t> bytes;
        bytes.reserve(colors.size() * 3);
        for (ColorRef c : colors)
            bytes.insert(bytes.end(), {redOf(c), greenOf(c), blueOf(c)});
        return bytes;
    }
};

} // namespace

const PaletteFormat& rawPaletteFormat()
{
    static const RawPaletteFormat format;
    return format;
}
