#include "base/ErrorFrame.h"
#include "cli/EditSteps.h"
#include "cli/PaletteFileCommands.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/PaletteSort.h"
#include "palette/ColorMoves.h"
#include "palette/PaletteBlocks.h"

#include <optional>
#include <vector>

const char* const paletteStepsUsage = R"(    palette, 8-bit pictures only (a full-colour picture exits with status 1):
      --palette-load FILE[,N]
                        put the colours of the palette file FILE into entries N, N + 1, ...
                        (default 0), dots untouched, as the Palette menu's load does
      --palette-move E,E,...:D
                        move the colours of these entries D entries on as the palette sort
                        does, every dot renumbered with them; each must land in 0-255
)";

namespace {

using Value = EditStep::Value;

BitmapPalette& paletteOf(BitmapDocument& document, const std::string& option)
{
    if (!document.palette() || document.isFullColor())
        throw StepFailed{option + ": the picture has no palette (it is full colour)"};
    return *document.palette();
}

void load(EditState& state, const std::string& value, const std::string& option)
{
    // The entry follows the last comma, so that a file's name may hold commas.
    size_t comma = value.rfind(',');
    bool numbered = comma != std::string::npos &&
                    value.find_first_not_of("0123456789", comma + 1) == std::string::npos && comma + 1 < value.size();
    int at = numbered ? stepNumber(std::string_view(value).substr(comma + 1), 0, 255, option) : 0;
    std::string name = numbered ? value.substr(0, comma) : value;
    BitmapPalette& palette = paletteOf(state.document, option);
    std::optional<std::vector<ColorRef>> colors = readPaletteColors(name, state.err, state.command);
    if (!colors)
        raiseError(errorQuiet);
    if (!placeColors(palette, *colors, at))
        throw BadArgument{option + ": the file's " + std::to_string(colors->size()) +
                          " colours do not fit from entry " + std::to_string(at)};
    state.document.setModified(true);
}

void move(EditState& state, const std::string& value, const std::string& option)
{
    size_t colon = value.find(':');
    if (colon == std::string::npos)
        throw BadArgument{option + ": takes E,E,...:D"};
    std::vector<int32_t> numbers = stepNumbers(value.substr(0, colon), 0, 255, option);
    int32_t d = stepNumber(std::string_view(value).substr(colon + 1), -255, 255, option);
    std::vector<int> entries(numbers.begin(), numbers.end());
    if (entries.empty() || !landsInside(entries, d))
        throw BadArgument{option + ": every entry must land in 0-255"};
    paletteOf(state.document, option);
    sortPaletteEntries(state.document, entries, d);
}

const EditStep steps[] = {
    {"--palette-load", Value::required, load},
    {"--palette-move", Value::required, move},
};

} // namespace

std::span<const EditStep> paletteSteps()
{
    return steps;
}
