#include "formats/RiffPaletteFormat.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t formHeaderSize = 12;
constexpr size_t chunkHeaderSize = 8;
constexpr size_t paletteHeaderSize = 4;
constexpr size_t entrySize = 4;
constexpr uint16_t paletteVersion = 0x0300;
// The entry count is a 16-bit field.
constexpr size_t maxEntries = 0xFFFF;

uint16_t le16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

uint32_t le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool hasTag(std::span<const uint8_t> bytes, size_t offset, std::string_view tag)
{
    return bytes.size() >= offset + 4 && std::memcmp(bytes.data() + offset, tag.data(), 4) == 0;
}

void putTag(std::vector<uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

void put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)});
}

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}

// The body of the first "data" chunk, cut short where the bytes end, or nothing when there is none.
// The form's own size is not trusted, as writers get it wrong: the chunks run to the end of the bytes.
std::optional<std::span<const uint8_t>> dataChunk(std::span<const uint8_t> bytes)
{
    size_t offset = formHeaderSize;
    while (bytes.size() - offset >= chunkHeaderSize) {
        size_t body = offset + chunkHeaderSize;
        uint64_t size = le32(bytes.data() + offset + 4);
        size_t present = bytes.size() - body;
        if (hasTag(bytes, offset, "data"))
            return bytes.subspan(body, size_t(std::min<uint64_t>(size, present)));
        // Chunks start on even offsets: an odd-sized one is followed by a pad byte.
        uint64_t skip = size + (size & 1);
        if (skip > present)
            break;
        offset = body + size_t(skip);
    }
    return std::nullopt;
}

class RiffPaletteFormat final : public PaletteFormat {
public:
    std::string_view name() const override { return "RIFF palette"; }
    std::string_view extension() const override { return "pal"; }

    bool recognises(std::span<const uint8_t> bytes) const override
    {
        return hasTag(bytes, 0, "RIFF") && hasTag(bytes, 8, "PAL ");
    }

    std::optional<PaletteRead> read(std::span<const uint8_t> bytes) const override
    {
        if (!recognises(bytes))
            return std::nullopt;
        std::optional<std::span<const uint8_t>> chunk = dataChunk(bytes);
        if (!chunk || chunk->size() < paletteHeaderSize)
            return std::nullopt;
        // The version word is passed over: the entries are laid out alike whatever it says.
        size_t count =
            std::min({size_t(le16(chunk->data() + 2)), (chunk->size() - paletteHeaderSize) / entrySize, readLimit});
        PaletteRead result;
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* entry = chunk->data() + paletteHeaderSize + i * entrySize;
            result.colors.push_back(rgb(entry[0], entry[1], entry[2]));
        }
        return result;
    }

    std::vector<uint8_t> write(std::span<const ColorRef> colors) const override
    {
        size_t count = std::min(colors.size(), maxEntries);
        uint32_t dataSize = uint32_t(paletteHeaderSize + count * entrySize);
        std::vector<uint8_t> out;
        out.reserve(formHeaderSize + chunkHeaderSize + dataSize);
        putTag(out, "RIFF");
        put32(out, uint32_t(formHeaderSize - 8 + chunkHeaderSize + dataSize));
        putTag(out, "PAL ");
        putTag(out, "data");
        put32(out, dataSize);
        put16(out, paletteVersion);
        put16(out, uint16_t(count));
        for (ColorRef color : colors.first(count))
            out.insert(out.end(), {redOf(color), greenOf(color), blueOf(color), 0});
        return out;
    }
};

} // namespace

const PaletteFormat& riffPaletteFormat()
{
    static const RiffPaletteFormat format;
    return format;
}
