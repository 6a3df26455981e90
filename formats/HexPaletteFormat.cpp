#include "formats/HexPaletteFormat.h"

#include "formats/PaletteText.h"

#include <charconv>

namespace {

using namespace paletteText;

// "RRGGBB" or "#RRGGBB" and nothing else: no alpha, no short form, no "0x".
std::optional<ColorRef> colorOf(std::string_view line)
{
    if (line.starts_with('#'))
        line.remove_prefix(1);
    uint32_t value = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value, 16);
    if (line.size() != 6 || error != std::errc() || end != line.data() + line.size())
        return std::nullopt;
    return rgb(uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value));
}

class HexPaletteFormat : public PaletteFormat {
public:
    std::string_view name() const override { return "Hex colours"; }
    std::string_view extension() const override { return "hex"; }
    bool recognises(std::span<const uint8_t>) const override { return false; }

    // Spaces and tabs around a colour are passed over, as they cannot be seen in an editor.
    std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const override
    {
        std::string_view text = textOf(bytes);
        PaletteRead palette;
        while (!text.empty() && palette.colors.size() < readLimit) {
            std::string_view line = trimmed(takeLine(text));
            if (line.empty())
                continue;
            std::optional<ColorRef> color = colorOf(line);
            if (!color)
                return std::nullopt;
            palette.colors.push_back(*color);
        }
        return palette;
    }

    std::vector<uint8_t> write(std::span<const ColorRef> colors) const override
    {
        std::vector<uint8_t> bytes;
        bytes.reserve(colors.size() * 7);
        constexpr std::string_view digits = "0123456789ABCDEF";
        for (ColorRef c : colors) {
            for (uint8_t component : {redOf(c), greenOf(c), blueOf(c)})
                bytes.insert(bytes.end(), {uint8_t(digits[component >> 4]), uint8_t(digits[component & 15])});
            bytes.push_back('\n');
        }
        return bytes;
    }
};

} // namespace

const PaletteFormat& hexPaletteFormat()
{
    static const HexPaletteFormat format;
    return format;
}
