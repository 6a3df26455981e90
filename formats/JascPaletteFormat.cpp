#include "formats/JascPaletteFormat.h"

#include "formats/PaletteText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

namespace {

using namespace paletteText;

constexpr std::string_view signature = "JASC-PAL";
constexpr std::string_view version = "0100";

// A colour line holds three numbers 0 to 255 and nothing else but spaces.
std::optional<ColorRef> colorOf(std::string_view line)
{
    unsigned components[3];
    for (unsigned& component : components) {
        std::optional<unsigned> value = takeNumber(line);
        if (!value || *value > 255)
            return std::nullopt;
        component = *value;
    }
    if (!trimmed(line).empty())
        return std::nullopt;
    return rgb(uint8_t(components[0]), uint8_t(components[1]), uint8_t(components[2]));
}

class JascPaletteFormat : public PaletteFormat {
public:
    std::string_view name() const override { return "JASC palette"; }
    std::string_view extension() const override { return "pal"; }

    bool recognises(std::span<const uint8_t> bytes) const override
    {
        std::string_view text = textOf(bytes);
        return text.starts_with(signature) && trimmed(takeLine(text)) == signature;
    }

    std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const override
    {
        std::string_view text = textOf(bytes);
        if (trimmed(takeLine(text)) != signature || trimmed(takeLine(text)) != version)
            return std::nullopt;
        std::string_view countLine = takeLine(text);
        std::optional<unsigned> count = takeNumber(countLine);
        if (!count || !trimmed(countLine).empty())
            return std::nullopt;
        // A count beyond the limit is no fault: the file is read as far as a palette goes.
        PaletteRead palette;
        for (size_t i = 0; i < std::min<size_t>(*count, readLimit); ++i) {
            if (text.empty())
                return std::nullopt;
            std::optional<ColorRef> color = colorOf(takeLine(text));
            if (!color)
                return std::nullopt;
            palette.colors.push_back(*color);
        }
        return palette;
    }

    std::vector<uint8_t> write(std::span<const ColorRef> colors) const override
    {
        std::string text = "JASC-PAL\r\n0100\r\n" + std::to_string(colors.size()) + "\r\n";
        for (ColorRef c : colors) {
            char line[40];
            int length = std::snprintf(line, sizeof line, "%d %d %d\r\n", redOf(c), greenOf(c), blueOf(c));
            text.append(line, size_t(length));
        }
        return std::vector<uint8_t>(text.begin(), text.end());
    }
};

} // namespace

const PaletteFormat& jascPaletteFormat()
{
    static const JascPaletteFormat format;
    return format;
}
