#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Makes BMP file bytes with any header values, so tests can write files other programs would.
// Rows are given in file order and padded here.
struct BmpBuilder {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bits = 8;
    uint16_t planes = 1;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    uint32_t colorsUsed = 0;
    // 0 means: right after the colour table.
    uint32_t dataOffset = 0;
    bool writeDataOffset = true;
    std::vector<uint32_t> colors; // 0x00RRGGBB, written blue, green, red, 0
    std::vector<std::vector<uint8_t>> rows;

    std::string bytes() const
    {
        std::string out;
        auto put = [&out](uint32_t v, int n) {
            for (int i = 0; i < n; ++i)
                out += char(v >> (8 * i));
        };
        // A width below one has no pixels, so its rows have no bytes (not a length wrapped to 4 GiB).
        uint32_t rowLength = width > 0 ? uint32_t((int64_t(bits) * width + 31) / 32 * 4) : 0;
        uint32_t tableEnd = 14 + std::max<uint32_t>(headerSize, 40) + 4 * uint32_t(colors.size());
        uint32_t offset = dataOffset ? dataOffset : tableEnd;
        out += "BM";
        put(offset + rowLength * uint32_t(rows.size()), 4);
        put(0, 4);
        put(writeDataOffset ? offset : 0, 4);
        put(headerSize, 4);
        put(uint32_t(width), 4);
        put(uint32_t(height), 4);
        put(planes, 2);
        put(bits, 2);
        put(compression, 4);
        put(0, 4); // image size
        put(0, 4); // horizontal resolution
        put(0, 4); // vertical resolution
        put(colorsUsed, 4);
        put(0, 4);
        // Every info header carries at least the 40 bytes of fields above; longer ones are padded.
        out.resize(14 + std::max<uint32_t>(headerSize, 40), '\0');
        for (uint32_t c : colors) {
            put(c & 0xFF, 1);
            put((c >> 8) & 0xFF, 1);
            put((c >> 16) & 0xFF, 1);
            put(0, 1);
        }
        out.resize(std::max<size_t>(out.size(), offset), '\0');
        for (const auto& row : rows) {
            std::string padded(row.begin(), row.end());
            padded.resize(rowLength, '\0');
            out += padded;
        }
        return out;
    }
};
