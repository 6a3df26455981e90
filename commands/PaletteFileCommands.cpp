#include "commands/PaletteFileCommands.h"

#include "base/Alert.h"
#include "base/BusyPointer.h"
#include "base/ErrorFrame.h"
#include "base/FileErrors.h"
#include "base/FilePath.h"
#include "commands/ExtensionQuestion.h"
#include "dialogs/PaletteFileDialogs.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "formats/Backup.h"
#include "formats/PaletteFiles.h"
#include "framework/FileDialogs.h"
#include "palette/PaletteBlocks.h"
#include "resources/StringTable.h"

#include <string>

namespace {

// The name a format goes by in the dialogs and the extension question: the program's own raw
// files are simply palette files.
std::string nameOf(const PaletteFormat& format)
{
    return &format == paletteFormats()[0] ? std::string(loadString(strings::paletteFileName))
                                          : std::string(format.name());
}

std::string filterOf(const PaletteFormat& format)
{
    return nameOf(format) + "/*." + std::string(format.extension()) + "/";
}

// Every palette file first, then each format, then the pictures whose colour tables load, then any
// file: a file is read by its content.
std::string openFilters()
{
    std::string patterns;
    std::string each;
    for (const PaletteFormat* format : paletteFormats()) {
        patterns += (patterns.empty() ? "*." : ";*.") + std::string(format->extension());
        each += filterOf(*format);
    }
    return std::string(loadString(strings::paletteFileName)) + "/" + patterns + ";*.bmp;*.tif/" + each +
           std::string(loadString(strings::saveFilters)) + "すべてのファイル/*.*/";
}

std::string saveFilters()
{
    std::string filters;
    for (const PaletteFormat* format : paletteFormats())
        filters += filterOf(*format);
    return filters;
}

const PaletteFormat& formatForFilter(int filterIndex)
{
    std::span<const PaletteFormat* const> formats = paletteFormats();
    return *formats[size_t(std::clamp<int>(filterIndex - 1, 0, int(formats.size()) - 1))];
}

} // namespace

bool loadPaletteFile(BitmapDocument& document, uint32_t, Window*)
{
    if (!document.palette())
        return true;
    FileDialogRequest request{std::string(loadString(strings::loadPaletteTitle)), openFilters(), 1, "rgb", ""};
    std::optional<std::string> chosen = chooseOpenFile(request);
    if (!chosen)
        return true;
    FilePath file;
    LoadedPalette loaded;
    try {
        BusyScope busy;
        file.setFullPath(*chosen);
        loaded = readPaletteFile(file);
    } catch (...) {
        reportPaletteReadFailure(currentError(), file.name().empty() ? *chosen : std::string(file.name()));
        return true;
    }
    std::vector<ColorRef>& colors = loaded.palette.colors;
    if (colors.size() > size_t(PaletteModel::size)) {
        colors.resize(PaletteModel::size);
        showMessage("パレットファイルに256色を超える色があります。\n先頭の256色を読み込みます。", "注意",
                    alertFlags::ok | alertFlags::iconInformation);
    }
    runPaletteLoadDialog(document, colors);
    return true;
}

bool savePaletteFile(BitmapDocument& document, uint32_t, Window*)
{
    BitmapPalette* palette = document.palette();
    std::optional<uint16_t> rows = palette ? runPaletteSaveDialog(document) : std::nullopt;
    if (!rows || *rows == 0)
        return true;
    FileDialogRequest request{"", saveFilters(), 1, "rgb", ""};
    auto accept = [](const FileChoice& choice) {
        const PaletteFormat& format = formatForFilter(choice.filterIndex);
        return acceptsExtension(choice.path, format.extension(), nameOf(format));
    };
    std::optional<FileChoice> choice = chooseSaveFile(request, accept);
    if (!choice)
        return true;
    FilePath file;
    try {
        BusyScope busy;
        file.setFullPath(choice->path);
        writePaletteFile(file, formatForFilter(choice->filterIndex), colorsOfRows(*palette, *rows),
                         [&] { backupBeforeSave(file); });
    } catch (...) {
        reportWriteFailure(currentError(), file.name().empty() ? choice->path : std::string(file.name()));
    }
    return true;
}
