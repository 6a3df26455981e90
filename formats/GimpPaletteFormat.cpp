#include "formats/GimpPaletteFormat.h"

#include "formats/PaletteText.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace {

using namespace paletteText;

constexpr std::string_view signature = "GIMP Palette";

// Takes a decimal 0 to 255 off text after any spaces and tabs; signs and other bases are no number.
std::optional<uint8_t> takeComponent(std::string_view& text)
{
    std::optional<unsigned> value = takeNumber(text);
    if (!value || *value > 255)
        return std::nullopt;
    return uint8_t(*value);
}

// A colour line: three components, then either nothing or a name after a space or a tab.
std::optional<ColorRef> colorOf(std::string_view line)
{
    uint8_t components[3];
    for (uint8_t& component : components) {
        std::optional<uint8_t> value = takeComponent(line);
        if (!value)
            return std::nullopt;
        component = *value;
    }
    if (!line.empty() && !isBlank(line.front()))
        return std::nullopt;
    return rgb(components[0], components[1], components[2]);
}

class GimpPaletteFormat : public PaletteFormat {
public:
    std::string_view name() const override { return "GIMP palette"; }
    std::string_view extension() const override { return "gpl"; }

    bool recognises(std::span<const uint8_t> bytes) const override
    {
        std::string_view text = textOf(bytes);
        return text.starts_with(signature) && trimmed(takeLine(text)) == signature;
    }

    std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const override
    {
        std::string_view text = textOf(bytes);
        if (trimmed(takeLine(text)) != signature)
            return std::nullopt;
        PaletteRead palette;
        while (!text.empty() && palette.colors.size() < readLimit) {
            std::string_view line = takeLine(text);
            if (trimmed(line).empty() || line.starts_with('#'))
                continue;
            // The header lines come before the colours; after them such a line is no colour.
            if (palette.colors.empty() && (line.starts_with("Name:") || line.starts_with("Columns:")))
                continue;
            std::optional<ColorRef> color = colorOf(line);
            if (!color)
                return std::nullopt;
            palette.colors.push_back(*color);
        }
        return palette;
    }

    // Aligned columns as GIMP lays out its own palettes; each colour is named by its entry number.
    std::vector<uint8_t> write(std::span<const ColorRef> colors) const override
    {
        std::string text = "GIMP Palette\nName: Tilvaner\nColumns: 16\n#\n";
        for (size_t i = 0; i < colors.size(); ++i) {
            char line[40];
            int length = std::snprintf(line, sizeof line, "%3d %3d %3d\t%zu\n", redOf(colors[i]), greenOf(colors[i]),
                                       blueOf(colors[i]), i);
            text.append(line, size_t(length));
        }
        return std::vector<uint8_t>(text.begin(), text.end());
    }
};

} // namespace

const PaletteFormat& gimpPaletteFormat()
{
    static const GimpPaletteFormat format;
    return format;
}
