#pragma once

#include "formats/TiffTags.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

class FilePath;

// One TIFF file during one read or write: parses the first image file directory and streams the
// bytes of uncompressed strips, or writes a complete little-endian file with a single strip.
class TiffFile {
public:
    // The field types whose values the codec reads as numbers; a RATIONAL is two LONGs.
    enum Type : uint16_t {
        typeByte = 1,
        typeShort = 3,
        typeLong = 4,
        typeRational = 5,
        typeSShort = 8,
        typeSLong = 9,
        typeSRational = 10
    };

    struct ImageFields {
        static constexpr uint16_t photometricNotGiven = 0xFFFF;

        uint32_t newSubfileType = 0;
        uint32_t imageLength = 0;
        uint32_t imageWidth = 0;
        std::array<uint16_t, 5> bitsPerSample{1, 0, 0, 0, 0};
        uint16_t compression = tiffValues::uncompressed;
        uint16_t photometric = photometricNotGiven;
        uint16_t samplesPerPixel = 1;
        std::array<uint32_t, 2> xResolution{720000, 10000};
        std::array<uint32_t, 2> yResolution{720000, 10000};
        uint16_t planarConfiguration = tiffValues::chunky;
        uint16_t resolutionUnit = tiffValues::inch;

        // The slots in use: counted from the first up to a 0.
        int samplesGiven() const;
        uint32_t bitsPerPixel() const;
    };

    // A tag this codec keeps whole; values in machine order.
    struct TagRecord {
        uint16_t type = 0;
        uint32_t count = 0;
        std::vector<uint8_t> values;
    };

    static constexpr uint32_t maxRecordSize = 65535;

    explicit TiffFile(FilePath& file) : m_file(file) {}
    ~TiffFile();
    TiffFile(const TiffFile&) = delete;
    TiffFile& operator=(const TiffFile&) = delete;

    // Opens the file and checks its header: 0 for TIFF, -1 (and closed) for anything else.
    int openForRead();
    // 0 valid, 1 no image, -1 invalid.
    int readDirectory();
    // The next bytes of the pixel stream across the strips; fewer only where the data ends.
    size_t readPixels(size_t count, uint8_t* buffer);
    // Up to max values of a kept tag, as numbers; 0 when the tag is absent.
    size_t valuesOf(uint16_t tag, size_t max, uint32_t* buffer) const;
    const TagRecord* tag(uint16_t tag) const;

    // Creates the file and writes the header.
    void openForWrite();
    void addTag(uint16_t tag, uint16_t type, uint32_t count, const void* values);
    // Writes the directory for fields and the kept tags, with one strip for the whole image.
    void writeDirectory();
    size_t writePixels(size_t count, const uint8_t* buffer);
    void close();

    ImageFields fields;

private:
    struct Entry;
    int parseEntry(const Entry& entry);
    bool fetch(const Entry& entry, std::vector<uint8_t>& values);
    void resetForRead();
    uint64_t computedStripSize() const;
    bool takeStrip(uint32_t index);
    uint16_t get16(const uint8_t* p) const;
    uint32_t get32(const uint8_t* p) const;

    FilePath& m_file;
    bool m_bigEndian = false;
    int64_t m_fileSize = 0;
    uint64_t m_keptBytes = 0;
    uint32_t m_directory = 0;
    uint32_t m_link = 0;
    std::map<uint16_t, TagRecord> m_tags;
    // The strip being read.
    std::vector<uint32_t> m_stripOffsets;
    std::vector<uint32_t> m_stripByteCounts;
    uint32_t m_rowsPerStrip = 0xFFFFFFFF;
    uint32_t m_stripIndex = 0;
    uint64_t m_offset = 0;
    uint64_t m_bytesLeft = 0;
    int64_t m_position = -1;
};
