#include "palette/PaletteBlocks.h"

#include "palette/ColorSelectionModel.h"
#include "palette/PaletteModel.h"

std::vector<ColorRef> colorsOfRows(const PaletteModel& palette, uint16_t rowFlags)
{
    constexpr int lines = ColorSelectionModel::lineLength;
    std::vector<ColorRef> colors;
    for (int row = 0; row < lines; ++row)
        if (rowFlags & (1u << row))
            for (int i = row * lines; i < (row + 1) * lines; ++i)
                colors.push_back(palette.colorAt(i));
    return colors;
}

bool placeColors(PaletteModel& palette, std::span<const ColorRef> colors, int at)
{
    if (at < 0 || size_t(at) + colors.size() > size_t(PaletteModel::size))
        return false;
    for (size_t i = 0; i < colors.size(); ++i)
        palette.setColorAt(at + int(i), colors[i]);
    palette.changed();
    return true;
}
