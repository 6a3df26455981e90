#pragma once

class BitmapDocument;

// Asks for the paste mode with PASTE_PARAMS_DIALOG, one radio button per mode. OK stores it in the
// document, which composites a selection of another mode again; Cancel changes nothing. Answers
// whether OK was pressed.
bool runPasteSettingsDialog(BitmapDocument& document);
