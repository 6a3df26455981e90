#pragma once

class BitmapDocument;
class NewParams;

// Asks for the document's block size with BLOCK_SIZE_DIALOG (each side 4 to 999). OK stores it in the
// document and in preferences, so that new pictures get it too, without writing the settings file;
// Cancel changes nothing. Answers whether OK was pressed.
bool runBlockSizeDialog(BitmapDocument& document, NewParams& preferences);
