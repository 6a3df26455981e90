#include "base/Alert.h"
#include "base/BusyPointer.h"
#include "base/ErrorFrame.h"
#include "commands/CommandGroup.h"
#include "core/Aspects.h"
#include "dialogs/BlockSizeDialog.h"
#include "dialogs/CanvasSizeDialog.h"
#include "dialogs/ColorReplacementDialogs.h"
#include "dialogs/EdgeDialog.h"
#include "dialogs/RotateDialog.h"
#include "dialogs/ScaleDialog.h"
#include "document/BitmapDocument.h"
#include "document/CanvasOperations.h"
#include "document/ColorReplacement.h"
#include "document/NewParams.h"
#include "document/OutlineShapes.h"
#include "document/SelectionRecord.h"
#include "document/SelectionTransforms.h"
#include "framework/Window.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"
#include "views/ColorPicker.h"

#include <functional>
#include <numbers>

namespace {

// Runs a step; a failure (no memory) is reported, and the selection and the picture stay as they
// were.
bool guarded(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        reportError(currentError(), messages::outOfMemory, std::nullopt);
    }
    return true;
}

// A step on the selection or the picture, under the busy pointer.
bool transform(const std::function<void()>& step)
{
    return guarded([&] {
        BusyScope busy;
        step();
    });
}

// The picker of the edit view a command came from; a command from anywhere else picks nothing.
ColorPicker& pickerOf(Window* from)
{
    class NoPicker final : public ColorPicker {
    public:
        void setTarget(ColorPickerTarget*) override {}
        ColorPickerTarget* target() const override { return nullptr; }
        Window* pickingWindow() override { return nullptr; }
    };
    static NoPicker none;
    ColorPicker* picker = from ? interfaceFor<ColorPicker>(from, &aspects::EditView::colorPicker) : nullptr;
    return picker ? *picker : none;
}

bool simpleReplacement(BitmapDocument& document, uint32_t, Window* from)
{
    if (!document.selection())
        return true;
    ColorPicker& picker = pickerOf(from);
    std::optional<std::vector<int>> targets = runReplacementTargetsDialog(document, picker);
    if (!targets)
        return true;
    if (std::optional<std::vector<int>> results = runReplacementResultsDialog(document, picker))
        transform([&] { replaceColors(document, *targets, *results); });
    return true;
}

bool advancedReplacement(BitmapDocument& document, uint32_t, Window* from)
{
    if (document.selection())
        guarded([&] { runAdvancedReplacementDialog(document, pickerOf(from)); });
    return true;
}

bool paletteRow(BitmapDocument& document, uint32_t, Window* from)
{
    if (!document.selection())
        return true;
    if (std::optional<int> rowStart = runPaletteRowDialog(document, pickerOf(from)))
        transform([&] { assignPaletteRow(document, *rowStart); });
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

bool edgeOutline(BitmapDocument& document, uint32_t, Window*)
{
    if (!document.selection())
        return true;
    std::optional<EdgeSettings> chosen = runEdgeDialog({document.edgeWidth(), document.edgeCorners()});
    if (!chosen)
        return true;
    document.setEdgeWidth(chosen->width);
    document.setEdgeCorners(chosen->withoutCorners);
    transform([&] { outlineShapes(document, chosen->width, !chosen->withoutCorners); });
    return true;
}

bool canvasSize(BitmapDocument& document, uint32_t, Window*)
{
    Point oldSize{document.bounds().width(), document.bounds().height()};
    if (std::optional<CanvasChoice> canvas = runCanvasSizeDialog(oldSize))
        transform([&] { resizeCanvas(document, canvasRect(oldSize, canvas->size, canvas->anchor)); });
    return true;
}

bool duplicate(BitmapDocument& document, uint32_t, Window*)
{
    newDocumentFrom(document, document.bounds());
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::simpleColorReplacement, simpleReplacement},
    {commands::advancedColorReplacement, advancedReplacement},
    {commands::paletteNumberReplacement, paletteRow},
    {commands::flipHorizontally, flip},
    {commands::flipVertically, flip},
    {commands::flipBoth, flip},
    {commands::rotate180, flip},
    {commands::rotateClockwise, quarterTurn},
    {commands::rotateAnticlockwise, quarterTurn},
    {commands::rotateByNumber, rotateByNumber},
    {commands::scaleByNumbers, scaleByNumbers},
    {commands::edgeOutline, edgeOutline},
    {commands::duplicate, duplicate},
    {commands::blockSize, blockSize},
    {commands::canvasSize, canvasSize},
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
