#pragma once

class BitmapDocument;

// Shows the tone patterns with TONE_DIALOG, the document's tone chosen; OK sets the chosen one as
// the drawing tone, Cancel changes nothing. Answers whether OK was pressed.
bool runToneDialog(BitmapDocument& document);
