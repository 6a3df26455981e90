#include "formats/PaletteFiles.h"

#include "base/ErrorCodes.h"
#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/FileScope.h"
#include "formats/ReplacingWrite.h"

#include <string_view>

namespace {

// No palette format comes near this; a larger file is no palette, and is not read into memory.
constexpr int64_t largestPaletteFile = 16 << 20;

std::string_view extensionOf(std::string_view name)
{
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

} // namespace

LoadedPalette readPaletteFile(FilePath& file)
{
    file.openForRead();
    int64_t size = file.size();
    if (size < 3)
        raiseError(errorFileTooShort);
    if (size > largestPaletteFile)
        raiseError(errorQuiet);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.read(bytes.data(), bytes.size());
    file.close();
    LoadedPalette loaded;
    loaded.format = paletteFormatOf(bytes, extensionOf(file.name()));
    std::optional<PaletteRead> read = loaded.format ? loaded.format->read(bytes) : std::nullopt;
    if (!read)
        raiseError(errorQuiet);
    loaded.palette = std::move(*read);
    return loaded;
}

void writePaletteFile(const FilePath& target, const PaletteFormat& format, std::span<const ColorRef> colors,
                      const std::function<void()>& beforeReplacing)
{
    std::vector<uint8_t> bytes = format.write(colors);
    writeReplacing(
        target,
        [&](FilePath& file) {
            file.createForWrite();
            FileScope scope(file, FileScope::OnFailure::remove);
            file.write(bytes.data(), bytes.size());
        },
        beforeReplacing);
}
