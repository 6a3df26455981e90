#include "formats/TiffFile.h"

#include "base/ErrorFrame.h"
#include "base/FilePath.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes per value of the field types 1 to 12.
constexpr std::array<uint8_t, 13> typeSizes{0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

void put16(std::vector<uint8_t>& out, size_t at, uint16_t v)
{
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
}

void put32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

uint16_t machine16(const uint8_t* p);
uint32_t machine32(const uint8_t* p);

// A record's values in the byte order of the files written here, "II".
std::vector<uint8_t> littleEndian(const TiffFile::TagRecord& record)
{
    std::vector<uint8_t> bytes(record.values.size());
    size_t size = typeSizes[record.type];
    for (size_t i = 0; i < bytes.size(); i += size) {
        if (size == 2) {
            put16(bytes, i, machine16(&record.values[i]));
        } else if (size == 4 || record.type == TiffFile::typeRational) {
            for (size_t half = 0; half < size; half += 4)
                put32(bytes, i + half, machine32(&record.values[i + half]));
        } else {
            std::copy_n(&record.values[i], size, &bytes[i]);
        }
    }
    return bytes;
}

uint32_t machine32(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

uint16_t machine16(const uint8_t* p)
{
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

} // namespace

struct TiffFile::Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    const uint8_t* field; // the entry's 4-byte value or offset, in file order
};

int TiffFile::ImageFields::samplesGiven() const
{
    int n = 0;
    while (n < 5 && bitsPerSample[size_t(n)] != 0)
        ++n;
    return n;
}

uint32_t TiffFile::ImageFields::bitsPerPixel() const
{
    uint32_t sum = 0;
    for (int i = 0; i < samplesGiven(); ++i)
        sum += bitsPerSample[size_t(i)];
    return sum;
}

TiffFile::~TiffFile()
{
    close();
}

uint16_t TiffFile::get16(const uint8_t* p) const
{
    return m_bigEndian ? uint16_t(p[0] << 8 | p[1]) : uint16_t(p[1] << 8 | p[0]);
}

uint32_t TiffFile::get32(const uint8_t* p) const
{
    return m_bigEndian ? uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]
                       : uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

int TiffFile::openForRead()
{
    m_file.openForRead();
    m_fileSize = m_file.size();
    uint8_t header[8];
    if (m_file.readUpTo(header, 8) == 8 && header[0] == header[1] && (header[0] == 'I' || header[0] == 'M')) {
        m_bigEndian = header[0] == 'M';
        if (get16(header + 2) == 42) {
            m_directory = get32(header + 4);
            return 0;
        }
    }
    close();
    return -1;
}

void TiffFile::resetForRead()
{
    fields = ImageFields{};
    m_tags.clear();
    m_keptBytes = 0;
    m_stripOffsets.clear();
    m_stripByteCounts.clear();
    m_rowsPerStrip = 0xFFFFFFFF;
    m_stripIndex = 0;
    m_offset = 0;
    m_bytesLeft = 0;
    m_position = -1;
}

// The entry's values in machine order. False when they would not fit a record or lie beyond the file.
bool TiffFile::fetch(const Entry& entry, std::vector<uint8_t>& values)
{
    uint64_t size = uint64_t(entry.count) * typeSizes[entry.type];
    if (size > maxRecordSize - 12)
        return false;
    values.resize(size_t(size));
    if (size <= 4) {
        std::memcpy(values.data(), entry.field, size_t(size));
    } else {
        uint64_t offset = get32(entry.field);
        if (offset + size > uint64_t(m_fileSize))
            return false;
        m_file.seek(int64_t(offset), FilePath::Origin::start);
        m_file.read(values.data(), size_t(size));
    }
    uint16_t type = entry.type;
    if (type == typeShort || type == typeSShort)
        for (size_t i = 0; i + 2 <= values.size(); i += 2) {
            uint16_t v = get16(&values[i]);
            std::memcpy(&values[i], &v, 2);
        }
    if (type == typeLong || type == typeSLong || type == typeRational || type == typeSRational)
        for (size_t i = 0; i + 4 <= values.size(); i += 4) {
            uint32_t v = get32(&values[i]);
            std::memcpy(&values[i], &v, 4);
        }
    return true;
}

int TiffFile::parseEntry(const Entry& entry)
{
    bool shortOrLong = entry.type == typeShort || entry.type == typeLong;
    auto single = [&](bool typeOk) { return typeOk && entry.count == 1; };
    std::vector<uint8_t> values;
    auto number = [&] {
        return entry.type == typeShort ? uint32_t(machine16(values.data())) : machine32(values.data());
    };
    switch (entry.tag) {
    case tiffTags::newSubfileType:
        if (!single(entry.type == typeLong) || !fetch(entry, values))
            return -1;
        fields.newSubfileType = machine32(values.data());
        return 0;
    case tiffTags::imageWidth:
    case tiffTags::imageLength:
        if (!single(shortOrLong) || !fetch(entry, values))
            return -1;
        (entry.tag == tiffTags::imageWidth ? fields.imageWidth : fields.imageLength) = number();
        return 0;
    case tiffTags::bitsPerSample:
        if (entry.type != typeShort || entry.count > 5 || !fetch(entry, values))
            return -1;
        fields.bitsPerSample.fill(0);
        for (uint32_t i = 0; i < entry.count; ++i)
            fields.bitsPerSample[i] = machine16(&values[2 * i]);
        return 0;
    case tiffTags::compression:
    case tiffTags::photometricInterpretation:
    case tiffTags::samplesPerPixel:
    case tiffTags::planarConfiguration:
    case tiffTags::resolutionUnit: {
        if (!single(entry.type == typeShort) || !fetch(entry, values))
            return -1;
        uint16_t v = machine16(values.data());
        switch (entry.tag) {
        case tiffTags::compression: fields.compression = v; break;
        case tiffTags::photometricInterpretation: fields.photometric = v; break;
        case tiffTags::samplesPerPixel: fields.samplesPerPixel = v; break;
        case tiffTags::planarConfiguration: fields.planarConfiguration = v; break;
        default: fields.resolutionUnit = v; break;
        }
        return 0;
    }
    case tiffTags::rowsPerStrip:
        if (!single(shortOrLong) || !fetch(entry, values))
            return -1;
        m_rowsPerStrip = number();
        return 0;
    case tiffTags::xResolution:
    case tiffTags::yResolution:
        if (!single(entry.type == typeRational) || !fetch(entry, values))
            return -1;
        (entry.tag == tiffTags::xResolution ? fields.xResolution : fields.yResolution) = {machine32(values.data()),
                                                                                          machine32(values.data() + 4)};
        return 0;
    case tiffTags::stripOffsets:
    case tiffTags::stripByteCounts: {
        if (!shortOrLong || !fetch(entry, values))
            return -1;
        std::vector<uint32_t>& strips = entry.tag == tiffTags::stripOffsets ? m_stripOffsets : m_stripByteCounts;
        strips.clear();
        for (uint32_t i = 0; i < entry.count; ++i)
            strips.push_back(entry.type == typeShort ? machine16(&values[2 * i]) : machine32(&values[4 * i]));
        break;
    }
    default:
        if (!fetch(entry, values))
            return -1;
        break;
    }
    // Every record kept must be backed by the file's own bytes, so a directory cannot make the
    // reader hold more than the file.
    m_keptBytes += values.size();
    if (m_keptBytes > uint64_t(m_fileSize) + maxRecordSize)
        return -1;
    m_tags[entry.tag] = TagRecord{entry.type, entry.count, std::move(values)};
    return 0;
}

uint64_t TiffFile::computedStripSize() const
{
    return (uint64_t(fields.bitsPerPixel()) * fields.imageWidth + 7) / 8 * m_rowsPerStrip;
}

int TiffFile::readDirectory()
{
    resetForRead();
    if (m_directory == 0)
        return 1;
    if (int64_t(m_directory) + 2 > m_fileSize)
        return -1;
    m_file.seek(m_directory, FilePath::Origin::start);
    uint8_t countBytes[2];
    m_file.read(countBytes, 2);
    uint16_t count = get16(countBytes);
    uint64_t tableSize = uint64_t(count) * 12 + 4;
    if (count == 0 || int64_t(m_directory) + 2 + int64_t(tableSize) > m_fileSize)
        return -1;
    std::vector<uint8_t> table(static_cast<size_t>(tableSize));
    m_file.read(table.data(), table.size());
    for (uint16_t i = 0; i < count; ++i) {
        const uint8_t* raw = &table[size_t(i) * 12];
        Entry entry{get16(raw), get16(raw + 2), get32(raw + 4), raw + 8};
        if (entry.type == 0 || entry.type >= typeSizes.size() || entry.count == 0 || parseEntry(entry) != 0)
            return -1;
    }
    // The next directory's offset, at the end of the table, is not followed.

    int samples = fields.samplesGiven();
    for (int i = 0; i < samples; ++i)
        if (fields.bitsPerSample[size_t(i)] > 8)
            return -1;
    if (fields.imageWidth == 0 || fields.imageLength == 0 || samples == 0 || samples != fields.samplesPerPixel ||
        fields.compression != tiffValues::uncompressed || fields.photometric == ImageFields::photometricNotGiven)
        return -1;
    if (!m_stripOffsets.empty() && !m_stripByteCounts.empty() && m_stripOffsets.size() != m_stripByteCounts.size())
        return -1;
    m_rowsPerStrip = std::min(m_rowsPerStrip, fields.imageLength);
    if (m_stripOffsets.empty() || !takeStrip(0))
        return -1;
    return 0;
}

// Makes strip index the current one; false when its offset is 0.
bool TiffFile::takeStrip(uint32_t index)
{
    m_stripIndex = index;
    m_offset = m_stripOffsets[index];
    m_bytesLeft = index < m_stripByteCounts.size() && m_stripByteCounts[index] != 0 ? m_stripByteCounts[index]
                                                                                    : computedStripSize();
    return m_offset != 0;
}

size_t TiffFile::readPixels(size_t count, uint8_t* buffer)
{
    size_t delivered = 0;
    while (delivered < count) {
        if (m_bytesLeft == 0) {
            if (m_stripIndex + 1 >= m_stripOffsets.size() || !takeStrip(m_stripIndex + 1))
                break;
            continue;
        }
        size_t want = size_t(std::min<uint64_t>(m_bytesLeft, count - delivered));
        if (int64_t(m_offset) != m_position)
            m_file.seek(int64_t(m_offset), FilePath::Origin::start);
        size_t got = m_file.readUpTo(buffer + delivered, want);
        m_position = int64_t(m_offset + got);
        m_offset += got;
        m_bytesLeft -= got;
        delivered += got;
        if (got < want)
            break;
    }
    return delivered;
}

const TiffFile::TagRecord* TiffFile::tag(uint16_t tag) const
{
    auto it = m_tags.find(tag);
    return it == m_tags.end() ? nullptr : &it->second;
}

size_t TiffFile::valuesOf(uint16_t tag, size_t max, uint32_t* buffer) const
{
    const TagRecord* record = this->tag(tag);
    if (!record)
        return 0;
    size_t size = typeSizes[record->type];
    size_t n = std::min<size_t>(max, record->count);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t* p = &record->values[i * size];
        buffer[i] = size == 2 ? machine16(p) : size >= 4 ? machine32(p) : *p;
    }
    return n;
}

void TiffFile::openForWrite()
{
    m_file.createForWrite();
    static constexpr uint8_t header[8] = {'I', 'I', 42, 0, 0, 0, 0, 0};
    m_file.write(header, sizeof header);
    m_link = 4;
    m_directory = 8;
    m_tags.clear();
}

void TiffFile::addTag(uint16_t tag, uint16_t type, uint32_t count, const void* values)
{
    TagRecord record{type, count, {}};
    record.values.resize(size_t(count) * typeSizes[type]);
    std::memcpy(record.values.data(), values, record.values.size());
    m_tags[tag] = std::move(record);
}

void TiffFile::writeDirectory()
{
    uint32_t rowBytes = (fields.bitsPerPixel() * fields.imageWidth + 7) / 8;
    uint32_t stripBytes = fields.imageLength * rowBytes;
    auto fit = [](uint32_t v) { return v <= 65535 ? uint16_t(typeShort) : uint16_t(typeLong); };
    auto value = [](uint16_t type, std::initializer_list<uint32_t> values) {
        // A rational is one value made of two numbers.
        TagRecord record{type, uint32_t(type == typeRational ? values.size() / 2 : values.size()), {}};
        for (uint32_t v : values) {
            size_t at = record.values.size();
            record.values.resize(at + (type == typeShort ? 2 : 4));
            if (type == typeShort) {
                uint16_t half = uint16_t(v);
                std::memcpy(&record.values[at], &half, 2);
            } else {
                std::memcpy(&record.values[at], &v, 4);
            }
        }
        return record;
    };
    std::map<uint16_t, TagRecord> entries = m_tags;
    std::vector<uint32_t> samples(fields.bitsPerSample.begin(), fields.bitsPerSample.begin() + fields.samplesGiven());
    entries[tiffTags::newSubfileType] = value(typeLong, {fields.newSubfileType});
    entries[tiffTags::imageWidth] = value(fit(fields.imageWidth), {fields.imageWidth});
    entries[tiffTags::imageLength] = value(fit(fields.imageLength), {fields.imageLength});
    TagRecord& bitsPerSample = entries[tiffTags::bitsPerSample] = TagRecord{typeShort, uint32_t(samples.size()), {}};
    for (uint32_t bits : samples) {
        uint16_t half = uint16_t(bits);
        const auto* bytes = reinterpret_cast<const uint8_t*>(&half);
        bitsPerSample.values.insert(bitsPerSample.values.end(), bytes, bytes + 2);
    }
    entries[tiffTags::compression] = value(typeShort, {fields.compression});
    entries[tiffTags::photometricInterpretation] = value(typeShort, {fields.photometric});
    entries[tiffTags::stripOffsets] = value(typeLong, {0});
    entries[tiffTags::samplesPerPixel] = value(typeShort, {fields.samplesPerPixel});
    entries[tiffTags::rowsPerStrip] = value(fit(fields.imageLength), {fields.imageLength});
    entries[tiffTags::stripByteCounts] = value(fit(stripBytes), {stripBytes});
    entries[tiffTags::xResolution] = value(typeRational, {fields.xResolution[0], fields.xResolution[1]});
    entries[tiffTags::yResolution] = value(typeRational, {fields.yResolution[0], fields.yResolution[1]});
    entries[tiffTags::planarConfiguration] = value(typeShort, {fields.planarConfiguration});
    entries[tiffTags::resolutionUnit] = value(typeShort, {fields.resolutionUnit});

    uint32_t tableStart = m_directory;
    uint32_t dataStart = tableStart + 2 + uint32_t(entries.size()) * 12 + 4;
    std::vector<uint8_t> out(dataStart - tableStart, 0);
    put16(out, 0, uint16_t(entries.size()));
    size_t at = 2;
    size_t stripOffsetField = 0;
    for (auto& [tag, record] : entries) {
        put16(out, at, tag);
        put16(out, at + 2, record.type);
        put32(out, at + 4, record.count);
        if (tag == tiffTags::stripOffsets)
            stripOffsetField = at;
        std::vector<uint8_t> bytes = littleEndian(record);
        if (bytes.size() <= 4) {
            std::copy(bytes.begin(), bytes.end(), out.begin() + long(at + 8));
        } else {
            put32(out, at + 8, tableStart + uint32_t(out.size()));
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
        at += 12;
    }
    uint32_t pixelStart = tableStart + uint32_t(out.size());
    put16(out, stripOffsetField + 2, fit(pixelStart));
    put32(out, stripOffsetField + 8, 0);
    if (pixelStart <= 65535)
        put16(out, stripOffsetField + 8, uint16_t(pixelStart));
    else
        put32(out, stripOffsetField + 8, pixelStart);

    std::vector<uint8_t> link(4, 0);
    put32(link, 0, tableStart);
    m_file.seek(m_link, FilePath::Origin::start);
    m_file.write(link.data(), 4);
    m_file.seek(tableStart, FilePath::Origin::start);
    m_file.write(out.data(), out.size());
    m_link = tableStart + 2 + uint32_t(entries.size()) * 12;
    m_offset = pixelStart;
    m_bytesLeft = stripBytes;
}

size_t TiffFile::writePixels(size_t count, const uint8_t* buffer)
{
    m_file.write(buffer, count);
    m_offset += count;
    m_bytesLeft -= std::min<uint64_t>(m_bytesLeft, count);
    return count;
}

void TiffFile::close()
{
    m_file.close();
    m_tags.clear();
}
