#pragma once

class BitmapDocument;

// Edits the palette of an indexed document in PALETTE_EDIT_DIALOG, which changes the colours in
// place, so the picture shows every change at once. OK keeps them as one undo step (the document is
// modified when they differ from before); any other end puts the palette back. Answers whether OK
// was pressed.
bool runPaletteEditDialog(BitmapDocument& document);
