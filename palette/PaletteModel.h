#pragma once

#include "base/Color.h"
#include "core/Model.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class LogicalPalette;

// The 256 colours of an indexed picture, kept quantised to a precision of bits per channel, with the
// platform palette that images draw with. Sixteen entries form a row; entry = row x 16 + column.
class PaletteModel : public Model {
public:
    static constexpr int size = 256;
    static constexpr int snapshotSize = 2 + 4 * size;
    using Snapshot = std::vector<uint8_t>;

    PaletteModel() = default;

    using Model::changed;
    // Brings the platform palette up to date and notifies PaletteModel::access.
    virtual void changed();
    virtual int indexOfColorRef(ColorRef ref) const { return int(ref & 0xFF); }
    // The physical entry that holds logical entry index.
    virtual int entryOf(int index) const { return index & 0xFF; }

    void* valueFor(const Aspect* aspect) override;

    // A new platform palette, precision 8, every colour black.
    void reset();
    // Resets, then gives entries 0 to count - 1 the values; outEntries[i], when given, receives the
    // entry that holds value i.
    void setColors(int count, const ColorRef* values, uint8_t* outEntries);
    // Resets, then takes the colours of the palette file, or the 20 stock colours when it is missing.
    void loadDefault(const std::string& file);

    ColorRef colorAt(int i) const;
    // Stores the colour quantised; entries from 256 up are ignored. Does not notify: end a batch of
    // writes with changed().
    void setColorAt(int i, ColorRef color);
    int precision() const { return m_precision; }
    void setPrecision(int bits);
    uint8_t quantizeChannel(uint8_t v) const;
    ColorRef quantizeColor(ColorRef c) const;

    // The precision and the colours, or nothing before the first reset.
    std::optional<Snapshot> snapshot() const;
    void restore(const std::optional<Snapshot>& block);
    void copyFrom(const PaletteModel& other);
    // For each colour, the entry the platform palette finds nearest.
    void nearestIndices(int count, const ColorRef* colors, uint8_t* out) const;

    const std::shared_ptr<LogicalPalette>& platformPalette() const { return m_platform; }

protected:
    // Copies the colours into the platform palette.
    void updatePlatformPalette();

private:
    std::shared_ptr<LogicalPalette> m_platform;
    int m_precision = 8;
    std::array<ColorRef, size> m_colors{};
};
