#include "cli/PaletteFileCommands.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "base/FileErrors.h"
#include "base/FilePath.h"
#include "cli/CommandDocument.h"
#include "cli/PictureFiles.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "formats/PaletteFiles.h"
#include "palette/PaletteBlocks.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"

#include <memory>
#include <optional>
#include <string_view>

const char* const paletteFileUsage = R"(  palette convert IN OUT [--riff]
                    read the palette file IN and write its colours, at most 256, to OUT
  palette save PIC OUT [--rows R,R,...] [--riff]
                    write the picture's palette rows (0-15, all by default) to OUT,
                    ascending, 16 colours each
  palette load PIC PAL OUT [--at N]
                    put the colours of the palette file PAL into entries N, N + 1, ...
                    (default 0) of PIC's palette, dots untouched, and write OUT
                    Palette files are raw .rgb, GIMP .gpl, JASC or RIFF .pal, .act, .hex
                    or .ase, read by content, then extension, and written in the format
                    of their extension; a .pal is JASC text unless --riff is given.
                    An indexed BMP or TIFF picture read as a palette file gives its
                    colour table.
                    A picture without a palette is refused with status 1.
)";

namespace {

constexpr const char* noPalette = "the picture has no palette (it is full colour)";

std::string shownName(const FilePath& file, const std::string& given)
{
    return file.name().empty() ? given : std::string(file.name());
}

// The format of OUT; throws BadArgument for an extension no palette format has.
const PaletteFormat& saveFormat(const std::string& name, bool riff)
{
    std::string_view view(name);
    size_t slash = view.rfind('/');
    std::string_view base = slash == std::string_view::npos ? view : view.substr(slash + 1);
    size_t dot = base.rfind('.');
    const PaletteFormat* format =
        paletteFormatForSave(dot == std::string_view::npos ? std::string_view() : base.substr(dot + 1), riff);
    if (!format)
        throw BadArgument{"OUT's extension names no palette format"};
    return *format;
}

bool write(const std::string& name, const PaletteFormat& format, std::span<const ColorRef> colors)
{
    FilePath out;
    try {
        out.setFullPath(name);
        writePaletteFile(out, format, colors);
    } catch (...) {
        reportWriteFailure(currentError(), shownName(out, name));
        return false;
    }
    return true;
}

// Runs a command whose arguments throw BadArgument, printed with the command's name as status 2.
template <class Command>
int refusingBadArguments(const char* command, std::ostream& err, Command&& run)
{
    try {
        return run();
    } catch (const BadArgument& bad) {
        err << command << ": " << bad.reason << '\n';
        return 2;
    }
}

} // namespace

int convertPalette(const std::vector<std::string>& arguments, std::ostream& err)
{
    return refusingBadArguments("palette convert", err, [&] {
        bool riff = arguments.size() == 3 && arguments[2] == "--riff";
        if (arguments.size() != 2 && !riff)
            throw BadArgument{"expected IN OUT [--riff]"};
        const PaletteFormat& format = saveFormat(arguments[1], riff);
        std::optional<std::vector<ColorRef>> colors = readPaletteColors(arguments[0], err, "palette convert");
        return colors && write(arguments[1], format, *colors) ? 0 : 1;
    });
}

int savePalette(const std::vector<std::string>& arguments, std::ostream& err)
{
    return refusingBadArguments("palette save", err, [&] {
        if (arguments.size() < 2)
            throw BadArgument{"expected PIC OUT [--rows R,R,...] [--riff]"};
        uint16_t rows = 0xFFFF;
        bool riff = false;
        for (size_t i = 2; i < arguments.size(); ++i) {
            if (arguments[i] == "--riff") {
                riff = true;
            } else if (arguments[i] == "--rows" && i + 1 < arguments.size()) {
                rows = 0;
                for (int32_t row : stepNumbers(arguments[++i], 0, 15, "--rows"))
                    rows = uint16_t(rows | 1u << row);
            } else {
                throw BadArgument{"unknown option \"" + arguments[i] + "\""};
            }
        }
        const PaletteFormat& format = saveFormat(arguments[1], riff);
        PaletteModel palette;
        std::shared_ptr<DIBImage> image;
        int picture = 0;
        if (!guardCallback([&] { image = readPicture(arguments[0], palette, picture); }))
            return 1;
        if (image->depth() != 8) {
            err << "palette save: " << noPalette << '\n';
            return 1;
        }
        return write(arguments[1], format, colorsOfRows(palette, rows)) ? 0 : 1;
    });
}

int loadPalette(const std::vector<std::string>& arguments, std::ostream& err)
{
    return refusingBadArguments("palette load", err, [&] {
        if (arguments.size() != 3 && !(arguments.size() == 5 && arguments[3] == "--at"))
            throw BadArgument{"expected PIC PAL OUT [--at N]"};
        int at = arguments.size() == 5 ? stepNumber(arguments[4], 0, 255, "--at") : 0;
        std::optional<std::vector<ColorRef>> colors = readPaletteColors(arguments[1], err, "palette load");
        if (!colors)
            return 1;
        if (size_t(at) + colors->size() > size_t(PaletteModel::size))
            throw BadArgument{"--at: the file's " + std::to_string(colors->size()) + " colours do not fit from entry " +
                              std::to_string(at)};
        return runOnDocument(
            "palette load", arguments[0], arguments[2],
            [&](BitmapDocument& document) {
                if (!document.palette())
                    throw StepFailed{noPalette};
                placeColors(*document.palette(), *colors, at);
            },
            err);
    });
}

std::optional<std::vector<ColorRef>> readPaletteColors(const std::string& name, std::ostream& err, const char* command)
{
    FilePath file;
    LoadedPalette loaded;
    try {
        file.setFullPath(name);
        loaded = readPaletteFile(file);
    } catch (...) {
        reportPaletteReadFailure(currentError(), shownName(file, name));
        return std::nullopt;
    }
    std::vector<ColorRef>& colors = loaded.palette.colors;
    if (colors.size() > size_t(PaletteModel::size)) {
        err << command << ": " << name << " holds more than 256 colours; the first 256 are taken\n";
        colors.resize(PaletteModel::size);
    }
    return std::move(colors);
}
