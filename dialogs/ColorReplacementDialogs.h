#pragma once

#include <optional>
#include <vector>

class BitmapDocument;
class ColorPicker;

// The colour replacement dialogs of an indexed picture. Each shows the palette grid; while it is
// open, a press in the picker's picture picks the dot's entry for it (with Shift: as the second
// result colour). A picture without a palette shows none and answers nothing.

// COLOR_CHANGE_DIALOG: the entries to replace, any number ("All" selects every one); nothing on
// Cancel.
std::optional<std::vector<int>> runReplacementTargetsDialog(const BitmapDocument& document, ColorPicker& picker);

// COLOR_CHANGE_RESULT_DIALOG: one or two result colours; nothing on Cancel or with none chosen.
std::optional<std::vector<int>> runReplacementResultsDialog(const BitmapDocument& document, ColorPicker& picker);

// PALETTE_CHANGE_DIALOG: the row start (entry AND 0xF0) of the entry picked; nothing on Cancel or
// with none picked.
std::optional<int> runPaletteRowDialog(const BitmapDocument& document, ColorPicker& picker);

// ALL_COLOR_CHANGE_DIALOG: drags in the grid renumber the selection's dots as they drop. OK keeps
// them as one undo step; any other end puts the dots back. Answers whether OK was pressed.
bool runAdvancedReplacementDialog(BitmapDocument& document, ColorPicker& picker);
