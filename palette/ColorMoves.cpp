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

std::vector<int> moveColors(PaletteModel& palette, std::span<const int> entries, int d, std::array<uint8_t, 256>* remap)
{
    if (remap)
        std::iota(remap->begin(), remap->end(), uint8_t(0));
    std::vector<int> moved(entries.begin(), entries.end());
    if (entries.empty() || !landsInside(entries, d))
        return moved;
    // A repeated entry would count twice against the places it leaves, so each is taken once.
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());

    std::array<bool, PaletteModel::size> selected{};
    std::array<bool, PaletteModel::size> landing{};
    std::vector<ColorRef> colors;
    colors.reserve(moved.size());
    for (int m : moved) {
        selected[size_t(m)] = true;
        landing[size_t(m + d)] = true;
        colors.push_back(palette.colorAt(m));
    }
    // As many landing entries lie outside the selection as selected entries are left behind, so
    // every displaced colour finds a vacated place.
    std::vector<int> vacated;
    for (int m : moved) {
        if (!landing[size_t(m)])
            vacated.push_back(m);
    }

    size_t nextVacated = 0;
    for (size_t j = 0; j < moved.size(); ++j) {
        int from = moved[j];
        int to = from + d;
        if (!selected[size_t(to)]) {
            int place = vacated[nextVacated++];
            palette.setColorAt(place, palette.colorAt(to));
            if (remap)
                (*remap)[size_t(to)] = uint8_t(place);
        }
        palette.setColorAt(to, colors[j]);
        if (remap)
            (*remap)[size_t(from)] = uint8_t(to);
        moved[j] = to;
    }
    palette.changed();
    return moved;
}
