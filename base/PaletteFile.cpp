#include "base/PaletteFile.h"

#include "base/FilePath.h"

#include <algorithm>

namespace paletteFile {

std::vector<ColorRef> read(FilePath& file)
{
    int64_t count = std::min<int64_t>(file.size() / 3, maxEntries);
    std::vector<uint8_t> bytes(size_t(count) * 3);
    file.read(bytes.data(), bytes.size());
    std::vector<ColorRef> colors;
    for (size_t i = 0; i < bytes.size(); i += 3)
        colors.push_back(rgb(bytes[i], bytes[i + 1], bytes[i + 2]));
    return colors;
}

} // namespace paletteFile
