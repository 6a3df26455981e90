#pragma once

class BitmapDocument;
class ColorPicker;

// Shows the document's border colours selected in BORDER_COLORS_DIALOG's palette grid, where any
// number of entries may be chosen; reset clears them, and while the dialog is open a press in the
// picker's picture adds the dot's entry. OK replaces the document's list with the entries chosen,
// in the order they were chosen; any other close leaves it. Answers whether OK was pressed.
bool runBorderColorsDialog(BitmapDocument& document, ColorPicker& picker);
