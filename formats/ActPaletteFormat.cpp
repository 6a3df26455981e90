#include "formats/ActPaletteFormat.h"

#include <algorithm>

namespace {

constexpr size_t tableColors = 256;
constexpr size_t tableSize = 3 * tableColors;
constexpr size_t countedSize = tableSize + 4;
constexpr uint16_t noTransparentEntry = 0xFFFF;

class ActPaletteFormat final : public PaletteFormat {
public:
    std::string_view name() const override { return "Adobe colour table"; }
    std::string_view extension() const override { return "act"; }
    bool recognises(std::span<const uint8_t>) const override { return false; }

    std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const override
    {
        // Without a signature, the size is all that tells a table from other bytes.
        if (bytes.size() != tableSize && bytes.size() != countedSize)
            return std::nullopt;
        size_t count = tableColors;
        if (bytes.size() == countedSize) {
            // A count of 0 or beyond the table tells nothing: the whole table is taken.
            size_t used = size_t(bytes[tableSize]) << 8 | bytes[tableSize + 1];
            if (used >= 1 && used <= tableColors)
                count = used;
        }
        PaletteRead result;
        for (size_t i = 0; i < std::min(count, readLimit); ++i)
            result.colors.push_back(rgb(bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]));
        return result;
    }

    // Always the counted form, so that a palette of fewer than 256 colours reads back as it was. An
    // empty one writes a count of 0, which reads back as the whole (black) table.
    std::vector<uint8_t> write(std::span<const ColorRef> colors) const override
    {
        size_t count = std::min(colors.size(), tableColors);
        std::vector<uint8_t> out(countedSize, 0);
        for (size_t i = 0; i < count; ++i) {
            out[3 * i] = redOf(colors[i]);
            out[3 * i + 1] = greenOf(colors[i]);
            out[3 * i + 2] = blueOf(colors[i]);
        }
        out[tableSize] = uint8_t(count >> 8);
        out[tableSize + 1] = uint8_t(count);
        out[tableSize + 2] = uint8_t(noTransparentEntry >> 8);
        out[tableSize + 3] = uint8_t(noTransparentEntry);
        return out;
    }
};

} // namespace

const PaletteFormat& actPaletteFormat()
{
    static const ActPaletteFormat format;
    return format;
}
