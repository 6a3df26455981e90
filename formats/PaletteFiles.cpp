#include "formats/PaletteFiles.h"

#include "base/ErrorCodes.h"
#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/FileScope.h"
#include "formats/FormatTable.h"
#include "formats/ReplacingWrite.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// No palette format comes near this; a larger file is no palette, and is not read into memory.
constexpr int64_t largestPaletteFile = 16 << 20;

std::string_view extensionOf(std::string_view name)
{
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

// The picture format whose signature begins head, or null.
ImageFormat* pictureFormatOf(std::span<const uint8_t> head)
{
    auto startsWith = [head](std::string_view magic) {
        return head.size() >= magic.size() && std::equal(magic.begin(), magic.end(), head.begin());
    };
    using namespace std::string_view_literals;
    if (startsWith("BM"sv))
        return imageFormats()[bmpFormat];
    if (startsWith("II*\0"sv) || startsWith("MM\0*"sv))
        return imageFormats()[tiffFormat];
    return nullptr;
}

// The colour table of a picture file, or nothing when it is no picture with a table that this
// program reads: a raw palette may begin like a picture.
std::optional<std::vector<ColorRef>> readPictureColors(ImageFormat& format, const FilePath& file)
{
    format.file = file;
    try {
        return format.readColorTable();
    } catch (...) {
        if (currentError() == errorOutOfMemory)
            raiseError(0);
        return std::nullopt;
    }
}

} // namespace

LoadedPalette readPaletteFile(FilePath& file)
{
    file.openForRead();
    int64_t size = file.size();
    if (size < 3)
        raiseError(errorFileTooShort);
    // A picture's colour table loads whatever the size of its dots.
    std::array<uint8_t, 4> head{};
    std::span<uint8_t> start(head.data(), size_t(std::min<int64_t>(size, 4)));
    file.read(start.data(), start.size());
    if (ImageFormat* picture = pictureFormatOf(start)) {
        file.close();
        if (std::optional<std::vector<ColorRef>> colors = readPictureColors(*picture, file))
            return {nullptr, {std::move(*colors), 0}};
        file.openForRead();
    }
    file.seek(0, FilePath::Origin::start);
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
