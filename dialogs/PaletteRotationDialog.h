#pragma once

class BitmapDocument;

// Runs PALETTE_ANIMATION_DIALOG on an indexed document: the entries selected in its grid cycle their
// colours, forward or backward, at the chosen interval, until Stop. However the dialog ends, the
// colours go back to what they were; the document is neither modified nor given an undo step.
void runPaletteRotationDialog(BitmapDocument& document);
