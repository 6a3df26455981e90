#include "palette/ColorMoves.h"

#include "palette/PaletteModel.h"

#include <algorithm>
#include <numeric>

bool landsInside(std::span<const int> entries, int d)
{
    return std::all_of(entries.begin(), entries.end(), [d](int e) { return e + d >= 0 && e + d < PaletteModel::size; });
}

std::vector<int> copyColors(PaletteModel& palette, std::span<const int> entries, int d)
{
    std::vector<int> landed(entries.begin(), entries.end());
    if (entries.empty() || !landsInside(entries, d))
        return landed;
    // Every colour is read before any is written, since a target may be a later source.
    std::vector<ColorRef> colors;
    colors.reserve(entries.size());
    for (int e : entries)
        colors.push_back(palette.colorAt(e));
    for (size_t k = 0; k < landed.size(); ++k) {
        landed[k] += d;
        palette.setColorAt(landed[k], colors[k]);
    }
    palette.changed();
    return landed;
}

std::array<uint8_t, 256> moveRemap(std::span<const int> entries, int d)
{
    std::array<uint8_t, 256> remap;
    std::iota(remap.begin(), remap.end(), uint8_t(0));
    if (entries.empty() || !landsInside(entries, d))
        return remap;
    // A repeated entry would count twice against the places it leaves, so each is taken once.
    std::vector<int> moved(entries.begin(), entries.end());
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());

    std::array<bool, PaletteModel::size> selected{};
    std::array<bool, PaletteModel::size> landing{};
    for (int m : moved) {
        selected[size_t(m)] = true;
        landing[size_t(m + d)] = true;
    }
    // As many landing entries lie outside the selection as selected entries are left behind, so
    // every displaced entry finds a vacated place.
    std::vector<int> vacated;
    for (int m : moved)
        if (!landing[size_t(m)])
            vacated.push_back(m);
    size_t nextVacated = 0;
    for (int from : moved) {
        int to = from + d;
        if (!selected[size_t(to)])
            remap[size_t(to)] = uint8_t(vacated[nextVacated++]);
        remap[size_t(from)] = uint8_t(to);
    }
    return remap;
}

std::array<uint8_t, 256> replacementTable(std::span<const int> entries, int d, bool keep)
{
    std::array<uint8_t, 256> table;
    std::iota(table.begin(), table.end(), uint8_t(0));
    if (entries.empty() || !landsInside(entries, d))
        return table;
    if (keep) {
        for (int e : entries)
            table[size_t(e + d)] = uint8_t(e);
        return table;
    }
    std::array<uint8_t, 256> remap = moveRemap(entries, d);
    for (size_t i = 0; i < table.size(); ++i)
        table[remap[i]] = uint8_t(i);
    return table;
}

std::vector<int> moveColors(PaletteModel& palette, std::span<const int> entries, int d, std::array<uint8_t, 256>* remap)
{
    std::array<uint8_t, 256> moves = moveRemap(entries, d);
    if (remap)
        *remap = moves;
    std::vector<int> moved(entries.begin(), entries.end());
    if (entries.empty() || !landsInside(entries, d))
        return moved;
    std::vector<ColorRef> colors(PaletteModel::size);
    for (int i = 0; i < PaletteModel::size; ++i)
        colors[size_t(i)] = palette.colorAt(i);
    for (int i = 0; i < PaletteModel::size; ++i)
        if (moves[size_t(i)] != i)
            palette.setColorAt(moves[size_t(i)], colors[size_t(i)]);
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    for (int& m : moved)
        m += d;
    palette.changed();
    return moved;
}
