#pragma once

class BitmapDocument;

// Asks for the mesh's cell size (each side 2 to 9999) and line style (solid, dashed, dots) with
// MESH_SIZE_DIALOG. OK stores them, and the views hear of it only when something changed; Cancel
// changes nothing. Answers whether OK was pressed.
bool runMeshSizeDialog(BitmapDocument& document);

// Asks a full-colour document's mesh colour with the desktop's colour chooser, starting from the
// current one; a different colour is stored and the views hear of it. Answers whether a colour was
// chosen. An indexed document picks its mesh colour from its palette, which this does not offer
// yet: it answers false and changes nothing.
bool runMeshColorDialog(BitmapDocument& document);
