#include "cli/PaletteCommand.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "cli/CommandDocument.h"
#include "cli/PaletteFileCommands.h"
#include "cli/PictureFiles.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/PaletteSort.h"
#include "palette/ColorMoves.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"

#include <algorithm>
#include <memory>
#include <optional>

const char* const paletteUsage =
    R"(  palette list PIC  print the 256 entries of an indexed picture's palette, one "N R G B"
                    line each, in decimal
  palette move IN OUT --entries E,E,... --by D
                    move the colours of these entries D entries on (D may be negative) as
                    the editor's palette sort does: the colours they land on fill the
                    places they leave, and every pixel is renumbered with them, so OUT
                    looks like IN; every landing entry must lie in 0-255
)";

namespace {

constexpr const char* noPalette = "the picture has no palette (it is full colour)";

int list(const std::string& name, std::ostream& out, std::ostream& err)
{
    PaletteModel palette;
    std::shared_ptr<DIBImage> image;
    int format = 0;
    if (!guardCallback([&] { image = readPicture(name, palette, format); }))
        return 1;
    if (image->depth() != 8) {
        err << "palette list: " << noPalette << '\n';
        return 1;
    }
    for (int i = 0; i < PaletteModel::size; ++i) {
        ColorRef c = palette.colorAt(i);
        out << i << ' ' << int(redOf(c)) << ' ' << int(greenOf(c)) << ' ' << int(blueOf(c)) << '\n';
    }
    return 0;
}

// The entries a move takes, ascending and each once, and how far they go.
struct Move {
    std::vector<int> entries;
    int by = 0;
};

Move moveArguments(const std::vector<std::string>& arguments)
{
    Move move;
    std::optional<int> by;
    for (size_t i = 3; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (i + 1 == arguments.size())
            throw BadArgument{option + ": needs a value"};
        const std::string& value = arguments[++i];
        if (option == "--entries") {
            std::vector<int32_t> numbers = stepNumbers(value, 0, 255, option);
            move.entries.assign(numbers.begin(), numbers.end());
        } else if (option == "--by") {
            by = stepNumber(value, -255, 255, option);
        } else {
            throw BadArgument{"unknown option \"" + option + "\""};
        }
    }
    if (move.entries.empty() || !by)
        throw BadArgument{"needs --entries and --by"};
    move.by = *by;
    std::sort(move.entries.begin(), move.entries.end());
    move.entries.erase(std::unique(move.entries.begin(), move.entries.end()), move.entries.end());
    if (!landsInside(move.entries, move.by))
        throw BadArgument{"--by: an entry would land outside 0-255"};
    return move;
}

// Bad arguments are refused before IN is read.
int move(const std::vector<std::string>& arguments, std::ostream& err)
{
    if (arguments.size() < 3) {
        err << "palette move: expected IN OUT --entries E,... --by D\n";
        return 2;
    }
    Move move;
    try {
        move = moveArguments(arguments);
    } catch (const BadArgument& bad) {
        err << "palette move: " << bad.reason << '\n';
        return 2;
    }
    return runOnDocument(
        "palette move", arguments[1], arguments[2],
        [&](BitmapDocument& document) {
            if (!document.palette())
                throw StepFailed{noPalette};
            sortPaletteEntries(document, move.entries, move.by);
        },
        err);
}

} // namespace

int runPalette(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() == 2 && arguments[0] == "list")
        return list(arguments[1], out, err);
    if (!arguments.empty() && arguments[0] == "move")
        return move(arguments, err);
    std::vector<std::string> rest(arguments.empty() ? arguments.end() : arguments.begin() + 1, arguments.end());
    if (!arguments.empty() && arguments[0] == "convert")
        return convertPalette(rest, err);
    if (!arguments.empty() && arguments[0] == "save")
        return savePalette(rest, err);
    if (!arguments.empty() && arguments[0] == "load")
        return loadPalette(rest, err);
    err << "palette: expected list, move, convert, save or load (see --help)\n";
    return 2;
}
