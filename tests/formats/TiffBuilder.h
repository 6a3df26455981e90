#pragma once

#include "formats/TiffFile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Makes TIFF file bytes in either byte order with any tags. The pixel stream is cut into strips of
// the given sizes, each stored with a gap before it, and StripOffsets and StripByteCounts are added
// unless the test leaves them out.
struct TiffBuilder {
    struct Field {
        uint16_t tag;
        uint16_t type; // TiffFile::typeShort, typeLong, typeRational (two numbers per value) or typeByte
        std::vector<uint32_t> values;
    };

    bool bigEndian = false;
    std::vector<Field> fields;
    std::vector<uint8_t> pixels;
    std::vector<uint32_t> stripSizes;
    bool stripOffsets = true;
    bool stripByteCounts = true;

    void set(uint16_t tag, uint16_t type, std::vector<uint32_t> values)
    {
        remove(tag);
        fields.push_back({tag, type, std::move(values)});
    }
    void remove(uint16_t tag)
    {
        fields.erase(std::remove_if(fields.begin(), fields.end(), [tag](const Field& f) { return f.tag == tag; }),
                     fields.end());
    }

    std::string bytes() const
    {
        std::vector<Field> all = fields;
        if (stripSizes.empty())
            return build(all);
        std::vector<uint32_t> offsets(stripSizes.size(), 0), counts(stripSizes.begin(), stripSizes.end());
        if (stripOffsets)
            all.push_back({tiffTags::stripOffsets, TiffFile::typeLong, offsets});
        if (stripByteCounts)
            all.push_back({tiffTags::stripByteCounts, TiffFile::typeLong, counts});
        std::sort(all.begin(), all.end(), [](const Field& a, const Field& b) { return a.tag < b.tag; });
        // The first pass finds where the strips land; the second writes their offsets.
        std::string first = build(all);
        uint32_t at = uint32_t(first.size());
        for (size_t i = 0; i < offsets.size(); ++i) {
            offsets[i] = at + 1;
            at += 1 + stripSizes[i];
        }
        for (Field& f : all)
            if (f.tag == tiffTags::stripOffsets)
                f.values = offsets;
        std::string file = build(all);
        size_t done = 0;
        for (uint32_t size : stripSizes) {
            file += '\x5A'; // a gap that must never be read as a pixel
            file.append(pixels.begin() + long(done), pixels.begin() + long(std::min(done + size, pixels.size())));
            done += size;
        }
        return file;
    }

private:
    void put(std::string& out, uint32_t v, int bytes) const
    {
        for (int i = 0; i < bytes; ++i)
            out += char(bigEndian ? v >> (8 * (bytes - 1 - i)) : v >> (8 * i));
    }

    void putValues(std::string& out, const Field& f) const
    {
        for (uint32_t v : f.values)
            put(out, v, f.type == TiffFile::typeShort ? 2 : f.type == TiffFile::typeByte ? 1 : 4);
    }

    std::string build(const std::vector<Field>& all) const
    {
        std::string out = bigEndian ? "MM" : "II";
        put(out, 42, 2);
        put(out, 8, 4);
        size_t dataAt = 8 + 2 + 12 * all.size() + 4;
        std::string data;
        put(out, uint32_t(all.size()), 2);
        for (const Field& f : all) {
            uint32_t count = uint32_t(f.type == TiffFile::typeRational ? f.values.size() / 2 : f.values.size());
            put(out, f.tag, 2);
            put(out, f.type, 2);
            put(out, count, 4);
            std::string values;
            putValues(values, f);
            if (values.size() <= 4) {
                values.resize(4, '\0');
                out += values;
            } else {
                put(out, uint32_t(dataAt + data.size()), 4);
                data += values;
            }
        }
        put(out, 0, 4);
        return out + data;
    }
};
