#include "formats/AsePaletteFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr size_t headerSize = 12;
constexpr size_t blockHeaderSize = 6;
constexpr uint16_t colorEntry = 0x0001;
constexpr uint16_t normalColor = 2;

uint16_t be16(const uint8_t* p)
{
    return uint16_t(p[0] << 8 | p[1]);
}

uint32_t be32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

void put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.insert(out.end(), {uint8_t(v >> 8), uint8_t(v)});
}

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    out.insert(out.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
}

// v limited to 0..1; NaN, which every comparison fails, becomes 0.
double unit(double v)
{
    return v > 0 ? std::min(v, 1.0) : 0.0;
}

uint8_t toByte(double v)
{
    return uint8_t(std::lround(unit(v) * 255));
}

ColorRef fromRgb(const double* v)
{
    return rgb(toByte(v[0]), toByte(v[1]), toByte(v[2]));
}

ColorRef fromGray(const double* v)
{
    uint8_t gray = toByte(v[0]);
    return rgb(gray, gray, gray);
}

ColorRef fromCmyk(const double* v)
{
    double white = 1 - unit(v[3]);
    return rgb(toByte((1 - unit(v[0])) * white), toByte((1 - unit(v[1])) * white), toByte((1 - unit(v[2])) * white));
}

// CIE L*a*b* under the D65 white: to XYZ, to linear sRGB, then through the sRGB transfer curve.
// Inputs are held to their ranges first, so that nothing overflows on the way.
ColorRef fromLab(const double* v)
{
    double fy = (unit(v[0]) * 100 + 16) / 116;
    double fx = fy + std::clamp(v[1], -128.0, 127.0) / 500;
    double fz = fy - std::clamp(v[2], -128.0, 127.0) / 200;
    auto inverse = [](double t) {
        constexpr double delta = 6.0 / 29;
        return t > delta ? t * t * t : 3 * delta * delta * (t - 4.0 / 29);
    };
    double x = 0.95047 * inverse(fx);
    double y = inverse(fy);
    double z = 1.08883 * inverse(fz);
    auto encode = [](double linear) {
        linear = unit(linear);
        return toByte(linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055);
    };
    return rgb(encode(3.2404542 * x - 1.5371385 * y - 0.4985314 * z),
               encode(-0.9692660 * x + 1.8760108 * y + 0.0415560 * z),
               encode(0.0556434 * x - 0.2040259 * y + 1.0572252 * z));
}

struct ColorModel {
    std::string_view tag;
    size_t values;
    ColorRef (*convert)(const double*);
};

constexpr std::array<ColorModel, 4> colorModels{{
    {"RGB ", 3, fromRgb},
    {"CMYK", 4, fromCmyk},
    {"LAB ", 3, fromLab},
    {"Gray", 1, fromGray},
}};

// Reads one colour block into result: a colour, or a skipped entry when its model is unknown or a
// value is not a finite number. False when the block ends before its parts do.
bool readColorEntry(std::span<const uint8_t> block, PaletteRead& result)
{
    if (block.size() < 2)
        return false;
    // The name counts UTF-16 code units, its terminating 0 among them; it is not kept.
    size_t at = 2 + 2 * size_t(be16(block.data()));
    if (block.size() < at + 4)
        return false;
    std::string_view tag(reinterpret_cast<const char*>(block.data() + at), 4);
    at += 4;
    auto model =
        std::find_if(colorModels.begin(), colorModels.end(), [&](const ColorModel& m) { return m.tag == tag; });
    if (model == colorModels.end()) {
        ++result.skipped;
        return true;
    }
    if (block.size() < at + 4 * model->values)
        return false;
    std::array<double, 4> values{};
    for (size_t i = 0; i < model->values; ++i) {
        values[i] = std::bit_cast<float>(be32(block.data() + at + 4 * i));
        if (!std::isfinite(values[i])) {
            ++result.skipped;
            return true;
        }
    }
    result.colors.push_back(model->convert(values.data()));
    return true;
}

class AsePaletteFormat final : public PaletteFormat {
public:
    std::string_view name() const override { return "Adobe swatch exchange"; }
    std::string_view extension() const override { return "ase"; }

    bool recognises(std::span<const uint8_t> bytes) const override
    {
        return bytes.size() >= 8 && std::memcmp(bytes.data(), "ASEF", 4) == 0 && be16(bytes.data() + 4) == 1 &&
               be16(bytes.data() + 6) == 0;
    }

    std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const override
    {
        if (!recognises(bytes) || bytes.size() < headerSize)
            return std::nullopt;
        uint32_t blocks = be32(bytes.data() + 8);
        PaletteRead result;
        size_t offset = headerSize;
        // Every block takes at least its header's bytes, so a huge count ends where the bytes do.
        for (uint32_t i = 0; i < blocks && result.colors.size() < readLimit; ++i) {
            if (bytes.size() - offset < blockHeaderSize)
                return std::nullopt;
            uint16_t type = be16(bytes.data() + offset);
            uint32_t length = be32(bytes.data() + offset + 2);
            offset += blockHeaderSize;
            if (length > bytes.size() - offset)
                return std::nullopt;
            std::span<const uint8_t> block = bytes.subspan(offset, length);
            offset += length;
            // Group starts and ends (and blocks of kinds unknown here) are passed over by their length.
            if (type == colorEntry && !readColorEntry(block, result))
                return std::nullopt;
        }
        return result;
    }

    // Each colour is named by its entry number.
    std::vector<uint8_t> write(std::span<const ColorRef> colors) const override
    {
        std::vector<uint8_t> out{'A', 'S', 'E', 'F'};
        put16(out, 1);
        put16(out, 0);
        put32(out, uint32_t(colors.size()));
        for (size_t i = 0; i < colors.size(); ++i) {
            std::string name = std::to_string(i);
            size_t nameUnits = name.size() + 1;
            put16(out, colorEntry);
            put32(out, uint32_t(2 + 2 * nameUnits + 4 + 3 * 4 + 2));
            put16(out, uint16_t(nameUnits));
            // Digits are the same code units in UTF-16 as in ASCII.
            for (char digit : name)
                put16(out, uint16_t(digit));
            put16(out, 0);
            out.insert(out.end(), {'R', 'G', 'B', ' '});
            for (uint8_t v : {redOf(colors[i]), greenOf(colors[i]), blueOf(colors[i])})
                put32(out, std::bit_cast<uint32_t>(float(v) / 255.0f));
            put16(out, normalColor);
        }
        return out;
    }
};

} // namespace

const PaletteFormat& asePaletteFormat()
{
    static const AsePaletteFormat format;
    return format;
}
