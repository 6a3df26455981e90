#pragma once

class PaletteEdit;

// The palette edit dialog's copy: the selected colours go to the clipboard as a palette, with the
// entries they came from, and as "#RRGGBB" lines for other programs. Nothing without a selection.
void copyPaletteColors(const PaletteEdit& edit);

// The palette edit dialog's paste: the clipboard's colours land at the entries they were copied
// from (or from 0 up), and PALETTE_PASTE_DIALOG lets the user drag them into place. OK keeps them;
// any other end puts back what they covered. Nothing without a palette on the clipboard.
void pastePaletteColors(PaletteEdit& edit);
