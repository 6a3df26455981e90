#include "base/Alert.h"
#include "base/BusyPointer.h"
#include "base/ErrorFrame.h"
#include "commands/CommandGroup.h"
#include "dialogs/BlockSizeDialog.h"
#include "dialogs/RotateDialog.h"
#include "dialogs/ScaleDialog.h"
#include "document/BitmapDocument.h"
#include "document/CanvasOperations.h"
#include "document/NewParams.h"
#include "document/SelectionRecord.h"
#include "document/SelectionTransforms.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"

#include <functional>
#include <numbers>

namespace {

// Runs a step on the selection under the busy pointer; a failure (no memory) is reported and the
// selection stays as it was.
bool transform(const std::function<void()>& step)
{
    try {
        BusyScope busy;
        step();
    } catch (...) {
        reportError(currentError(), messages::outOfMemory, std::nullopt);
    }
    return true;
}

bool flip(BitmapDocument& document, uint32_t id, Window*)
{
    Point factors{id == commands::flipVertically ? 1 : -1, id == commands::flipHorizontally ? 1 : -1};
    return transform([&] { selectionTransforms::mirrorScale(document, factors); });
}

bool quarterTurn(BitmapDocument& document, uint32_t id, Window*)
{
    double angle = id == commands::rotateClockwise ? std::numbers::pi / 2 : -std::numbers::pi / 2;
    return transform([&] { selectionTransforms::rotate(document, angle); });
}

bool blockSize(BitmapDocument& document, uint32_t, Window*)
{
    runBlockSizeDialog(document, NewParams::current());
    return true;
}

bool rotateByNumber(BitmapDocument& document, uint32_t, Window*)
{
    if (!document.selection())
        return true;
    if (std::optional<double> angle = runRotateDialog())
        transform([&] { selectionTransforms::rotate(document, *angle); });
    return true;
}

bool scaleByNumbers(BitmapDocument& document, uint32_t, Window*)
{
    std::shared_ptr<SelectionRecord> record = document.selection();
    if (!record)
        return true;
    Rect box = record->region.bounds();
    if (std::optional<Point> size = runScaleDialog({box.width(), box.height()}))
        transform([&] { selectionTransforms::scaleTo(document, *size); });
    return true;
}

bool duplicate(BitmapDocument& document, uint32_t, Window*)
{
    newDocumentFrom(document, document.bounds());
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::flipHorizontally, flip},
    {commands::flipVertically, flip},
    {commands::flipBoth, flip},
    {commands::rotate180, flip},
    {commands::rotateClockwise, quarterTurn},
    {commands::rotateAnticlockwise, quarterTurn},
    {commands::rotateByNumber, rotateByNumber},
    {commands::scaleByNumbers, scaleByNumbers},
    {commands::duplicate, duplicate},
    {commands::blockSize, blockSize},
};

constexpr CommandGroup::ItemRule rules[] = {
    {commands::simpleColorReplacement, EnableRule::indexedSelection},
    {commands::advancedColorReplacement, EnableRule::indexedSelection},
    {commands::paletteNumberReplacement, EnableRule::indexedSelection},
    {commands::flipHorizontally, EnableRule::selection},
    {commands::flipVertically, EnableRule::selection},
    {commands::flipBoth, EnableRule::selection},
    {commands::rotate180, EnableRule::selection},
    {commands::rotateClockwise, EnableRule::selection},
    {commands::rotateAnticlockwise, EnableRule::selection},
    {commands::rotateByNumber, EnableRule::selection},
    {commands::scaleByNumbers, EnableRule::selection},
    {commands::edgeOutline, EnableRule::selection},
    {commands::duplicate, EnableRule::always},
    {commands::blockSize, EnableRule::always},
    {commands::canvasSize, EnableRule::notInteractive},
};

} // namespace

const CommandGroup imageCommands{handlers, rules};
