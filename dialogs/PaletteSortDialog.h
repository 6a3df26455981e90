#pragma once

class BitmapDocument;

// Sorts the palette of an indexed document in PALETTE_SORT_DIALOG: dragging entries moves their
// colours and renumbers the pixels with them, so the picture keeps its look. OK keeps the new order
// as one undo step of pixels and palette; any other end puts both back. Answers whether OK was
// pressed.
bool runPaletteSortDialog(BitmapDocument& document);
