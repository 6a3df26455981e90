#include "resources/Accelerators.h"

#include "resources/CommandIds.h"
#include "resources/VirtualKey.h"

#include <array>

namespace {

constexpr uint8_t S = Accelerator::shift;
constexpr uint8_t C = Accelerator::control;
constexpr uint8_t A = Accelerator::alt;

constexpr std::array<Accelerator, 59> table{{
    {'N', C, commands::newDocument},
    {'O', C, commands::open},
    {'W', C, commands::close},
    {'S', C | S, commands::writeSetFile},
    {'Q', C, commands::exit},
    // The keys every desktop editor undoes with; the first is the one the menu shows.
    {'Z', C, commands::undo},
    {keys::back, A, commands::undo},
    {'X', C, commands::cut},
    {keys::del, S, commands::cut},
    {'C', C, commands::copy},
    {keys::insert, C, commands::copy},
    {'V', C, commands::paste},
    {keys::insert, S, commands::paste},
    {'B', C, commands::pasteSettings},
    {'F', C, commands::fillSelection},
    {'E', C, commands::drawSelectionBorder},
    {keys::del, 0, commands::clearSelection},
    {'C', 0, commands::simpleColorReplacement},
    {'C', S, commands::advancedColorReplacement},
    {'V', S, commands::paletteNumberReplacement},
    {'X', S, commands::flipHorizontally},
    {'Z', S, commands::flipVertically},
    {'A', C, commands::selectAll},
    {'D', C, commands::selectNone},
    {keys::escape, 0, commands::selectNone},
    {'E', S, commands::editPalette},
    {keys::function(5), S, commands::cascade},
    {keys::function(4), S, commands::tile},
    {'G', 0, commands::showSelectionOnly},
    {keys::function(7), 0, commands::toolPanel},
    {keys::function(8), 0, commands::palettePanel},
    {keys::function(9), 0, commands::informationPanel},
    {keys::function(6), 0, commands::animationPanel},
    {'M', 0, commands::toggleMesh},
    {'M', S, commands::meshSize},
    {keys::function(1), S, commands::helpContents},
    {'S', 0, commands::switchUnit},
    {'A', 0, commands::firstTool},     // Rect
    {'A', S, commands::firstTool + 2}, // Lasso
    {'F', 0, commands::bucketTool},
    {'V', 0, commands::pencilTool},
    {'D', 0, commands::firstTool + 9}, // Draw
    {'T', 0, commands::lastTool},      // Text
    {keys::function(1), 0, commands::firstMainZoom},
    {keys::function(2), 0, commands::firstMainZoom + 1},
    {keys::function(3), 0, commands::firstMainZoom + 2},
    {keys::function(4), 0, commands::firstMainZoom + 3},
    {keys::function(5), 0, commands::lastMainZoom},
    {'1', 0, commands::firstSubZoom},
    {'2', 0, commands::firstSubZoom + 1},
    {'3', 0, commands::lastSubZoom},
    {'W', 0, commands::nextDrawingIndex},
    {'Q', 0, commands::previousDrawingIndex},
    {'W', S, commands::nextDrawingRow},
    {'Q', S, commands::previousDrawingRow},
    {'E', 0, commands::previousMeshCell},
    {'R', 0, commands::nextMeshCell},
    {',', 0, commands::animationBack, true},
    {'.', 0, commands::animationForward, true},
}};

std::string keyName(uint32_t key)
{
    if (key >= keys::f1 && key < keys::f1 + 12)
        return "F" + std::to_string(key - keys::f1 + 1);
    switch (key) {
    case keys::back: return "Backspace";
    case keys::del: return "Delete";
    case keys::insert: return "Insert";
    case keys::escape: return "Esc";
    default: return std::string(1, char(key));
    }
}

} // namespace

std::span<const Accelerator> mainAccelerators()
{
    return table;
}

std::string acceleratorText(const Accelerator& accelerator)
{
    std::string text;
    if (accelerator.modifiers & Accelerator::control)
        text += "Ctrl+";
    if (accelerator.modifiers & Accelerator::alt)
        text += "Alt+";
    if (accelerator.modifiers & Accelerator::shift)
        text += "Shift+";
    return text + keyName(accelerator.key);
}

std::string acceleratorTextFor(std::span<const Accelerator> table, uint32_t command)
{
    for (const Accelerator& accelerator : table)
        if (accelerator.command == command)
            return acceleratorText(accelerator);
    return "";
}
