#include "cli/PaletteConvert.h"

#include "base/Alert.h"
#include "base/ErrorCodes.h"
#include "base/ErrorFrame.h"
#include "base/FileErrors.h"
#include "base/FilePath.h"
#include "formats/PaletteFiles.h"
#include "formats/RiffPaletteFormat.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cctype>
#include <string_view>

const char* const paletteConvertUsage = R"(  palette convert IN OUT [--riff]
                    read the palette file IN (raw .rgb, GIMP .gpl, JASC or RIFF .pal, .act,
                    .hex or .ase, told apart by content, then extension) and write its
                    colours, at most 256, in the format of OUT's extension; a .pal is
                    written as JASC text unless --riff is given
)";

namespace {

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The format a file named name is saved in; the RIFF form of ".pal" only when asked for.
const PaletteFormat* saveFormatFor(std::string_view name, bool riff)
{
    size_t dot = name.rfind('.');
    std::string_view extension = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
    for (const PaletteFormat* format : paletteFormats()) {
        bool riffForm = format == &riffPaletteFormat();
        if (sameText(format->extension(), extension) && riffForm == (riff && sameText(extension, "pal")))
            return format;
    }
    return nullptr;
}

} // namespace

int convertPalette(const std::vector<std::string>& arguments, std::ostream& err)
{
    bool riff = arguments.size() == 3 && arguments[2] == "--riff";
    if (arguments.size() != 2 && !riff) {
        err << "palette convert: expected IN OUT [--riff]\n";
        return 2;
    }
    const PaletteFormat* target = saveFormatFor(arguments[1], riff);
    if (!target) {
        err << "palette convert: OUT's extension names no palette format\n";
        return 2;
    }
    FilePath in;
    LoadedPalette loaded;
    try {
        in.setFullPath(arguments[0]);
        loaded = readPaletteFile(in);
    } catch (...) {
        int32_t code = currentError();
        std::string name(in.name().empty() ? arguments[0] : std::string(in.name()));
        if (code == errorFileTooShort)
            reportError(code, messages::readFailed, name);
        else
            reportReadFailure(code, name);
        return 1;
    }
    std::vector<ColorRef>& colors = loaded.palette.colors;
    if (colors.size() > 256) {
        err << "palette convert: IN holds more than 256 colours; the first 256 are written\n";
        colors.resize(256);
    }
    FilePath out;
    try {
        out.setFullPath(arguments[1]);
        writePaletteFile(out, *target, colors);
    } catch (...) {
        reportWriteFailure(currentError(), out.name().empty() ? arguments[1] : std::string(out.name()));
        return 1;
    }
    return 0;
}
