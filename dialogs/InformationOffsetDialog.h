#pragma once

class BitmapDocument;

// Asks for the information panel's coordinate offset (each 0 to 9999) and y direction with
// INFO_OFFSET_DIALOG. OK stores them in the document's information plug, Cancel changes nothing.
// Answers whether OK was pressed.
bool runInformationOffsetDialog(BitmapDocument& document);
