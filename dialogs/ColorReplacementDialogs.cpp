#include "dialogs/ColorReplacementDialogs.h"

#include "base/BusyPointer.h"
#include "dialogs/ResultSwatch.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/ColorReplacement.h"
#include "framework/DialogControl.h"
#include "palette/MultiColorSelectionModel.h"
#include "palette/ResultColors.h"
#include "palette/SingleColorSelectionModel.h"
#include "panels/ModelFollower.h"
#include "panels/PaletteGridDialog.h"
#include "views/EntryPicking.h"

#include <cstdio>
#include <string>

namespace {

constexpr int swatchId = 100;
constexpr int firstLabelId = 101;
constexpr int secondLabelId = 102;

// The palette of a picture the replacements work on, or null.
BitmapPalette* indexedPalette(const BitmapDocument& document)
{
    return document.isFullColor() ? nullptr : document.palette();
}

// Runs a grid dialog over selection open to the picker's picture, whose picks go to take.
bool runPicking(PaletteGridDialog& dialog, ColorPicker& picker, const PaletteModel& palette, EntryPicking::Take take)
{
    EntryPicking picking(picker, palette, std::move(take));
    dialog.leaveOpenToMouse(picker.pickingWindow());
    return dialog.runModal() == okButtonId;
}

std::string resultLabel(const char* caption, std::optional<int> entry)
{
    if (!entry)
        return caption;
    char number[8];
    std::snprintf(number, sizeof number, "%02X", *entry);
    return std::string(caption) + number;
}

} // namespace

std::optional<std::vector<int>> runReplacementTargetsDialog(const BitmapDocument& document, ColorPicker& picker)
{
    BitmapPalette* palette = indexedPalette(document);
    if (!palette)
        return std::nullopt;
    MultiColorSelectionModel targets(palette);
    PaletteGridDialog dialog("COLOR_CHANGE_DIALOG", targets, true);
    if (!runPicking(dialog, picker, *palette, [&targets](int entry, bool) { targets.add(entry); }))
        return std::nullopt;
    return targets.entries();
}

std::optional<std::vector<int>> runReplacementResultsDialog(const BitmapDocument& document, ColorPicker& picker)
{
    BitmapPalette* palette = indexedPalette(document);
    if (!palette)
        return std::nullopt;
    ResultColors results(palette);
    PaletteGridDialog dialog("COLOR_CHANGE_RESULT_DIALOG", results, false);
    dialog.control(swatchId)->host<ResultSwatch>(results);
    auto showNumbers = [&] {
        dialog.control(firstLabelId)->setText(resultLabel("色1：", results.first()));
        dialog.control(secondLabelId)->setText(resultLabel("色2：", results.second()));
    };
    ModelFollower labels([&](const Aspect*) { showNumbers(); });
    labels.follow(&results);
    showNumbers();
    auto take = [&results](int entry, bool second) { second ? results.setSecond(entry) : results.setFirst(entry); };
    if (!runPicking(dialog, picker, *palette, take) || results.count() == 0)
        return std::nullopt;
    std::vector<int> chosen{*results.first()};
    if (results.second())
        chosen.push_back(*results.second());
    return chosen;
}

std::optional<int> runPaletteRowDialog(const BitmapDocument& document, ColorPicker& picker)
{
    BitmapPalette* palette = indexedPalette(document);
    if (!palette)
        return std::nullopt;
    SingleColorSelectionModel entry(palette);
    PaletteGridDialog dialog("PALETTE_CHANGE_DIALOG", entry, false);
    if (!runPicking(dialog, picker, *palette, [&entry](int picked, bool) { entry.selectOnly(picked); }) ||
        entry.index() < 0)
        return std::nullopt;
    return entry.index() & 0xF0;
}

bool runAdvancedReplacementDialog(BitmapDocument& document, ColorPicker& picker)
{
    BitmapPalette* palette = indexedPalette(document);
    if (!palette || !document.selection())
        return false;
    ReplacementPreview preview(document);
    {
        PaletteGridDialog dialog("ALL_COLOR_CHANGE_DIALOG", preview, true);
        // Any end but OK leaves the preview to put the dots back as it goes.
        if (!runPicking(dialog, picker, *palette, [&preview](int entry, bool) { preview.add(entry); }))
            return false;
    }
    preview.keep();
    return true;
}
