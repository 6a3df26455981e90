#pragma once

#include "base/Color.h"

#include <cstdint>
#include <memory>
#include <vector>

// Up to 256 colours for 8-bit images. Equal colours stay distinct entries. A palette with no entries
// stands for the null palette: it answers size 0 and ignores writes.
class LogicalPalette {
public:
    static constexpr int maxEntries = 256;

    LogicalPalette() = default;

    // A new palette with the same entries (at most 256); null in, null out.
    static std::shared_ptr<LogicalPalette> copyOf(const LogicalPalette* other);

    void assign(const LogicalPalette& other);
    // Exactly count black entries; a count the palette cannot hold leaves it null.
    void create(int count);
    // New entries are black.
    void resize(int count);

    int size() const { return int(m_entries.size()); }
    bool isNull() const { return m_entries.empty(); }
    ColorRef colorAt(int index) const;
    void setColorAt(int index, ColorRef color);
    // Sets count entries from start; the count is clipped to the palette's end.
    void setColors(int start, const ColorRef* colors, int count);
    // The entry closest to color by squared RGB distance; the lowest index wins a tie.
    int nearestIndex(ColorRef color) const;

private:
    std::vector<ColorRef> m_entries;
};
