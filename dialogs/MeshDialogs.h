#pragma once

class BitmapDocument;

// Asks for the mesh's cell size (each side 2 to 9999) and line style (solid, dashed, dots) with
// MESH_SIZE_DIALOG. OK stores them, and the views hear of it only when something changed; Cancel
// changes nothing. Answers whether OK was pressed.
bool runMeshSizeDialog(BitmapDocument& document);

// Asks a document's mesh colour: a full-colour one's with the desktop's colour chooser, starting
// from the current one; an indexed one's as an entry of its palette, in MESH_COLOR_DIALOG with the
// current entry selected. A different colour is stored (an entry as its palette-index reference)
// and the views hear of it. Answers whether OK was pressed.
bool runMeshColorDialog(BitmapDocument& document);
