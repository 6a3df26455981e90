#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class SettingsFile;

// The zoom factors that the zoom keys select: a fixed number of strictly increasing entries between a
// lower and an upper bound.
class ZoomSteps {
public:
    ZoomSteps(std::vector<int32_t> entries, int32_t lower, int32_t upper);

    int count() const { return int(m_entries.size()); }
    int32_t at(int i) const { return m_entries.at(size_t(i)); }
    const std::vector<int32_t>& entries() const { return m_entries; }
    int32_t lower() const { return m_lower; }
    int32_t upper() const { return m_upper; }

    // Stores v at i, clamped so that every entry can stay distinct within the bounds, then moves the
    // entries below down and those above up as far as needed to keep the list strictly increasing.
    void setEntry(int i, int32_t v);

    // The first entry greater than z, or z when there is none.
    int32_t nextHigher(int32_t z) const;
    // The last entry less than z, or z when there is none.
    int32_t nextLower(int32_t z) const;

    bool operator==(const ZoomSteps&) const = default;

    // The main views' steps (keys F1 to F5) and the sub-views' (keys 1 to 3), for the whole run.
    static ZoomSteps& mainSteps();
    static ZoomSteps& subSteps();

private:
    std::vector<int32_t> m_entries;
    int32_t m_lower;
    int32_t m_upper;
};

// Applies the settings "ZoomMain" and "ZoomSub". The main list takes all five numbers, those missing
// from the setting taken from 1, 2, 4, 8, 16; the sub list takes only the numbers the setting has.
void loadZoomSteps(const SettingsFile& file, ZoomSteps& main, ZoomSteps& sub);
void saveZoomSteps(SettingsFile& file, const ZoomSteps& main, const ZoomSteps& sub);
