#pragma once

class PaletteEdit;

// Turns the hue, saturation and value of the edit's selected entries with the sliders of
// COLOR_TONE_DIALOG; the colours follow every move. OK keeps them, any other end puts back the
// colours the dialog found. Nothing opens without a selection.
void runColorToneDialog(PaletteEdit& edit);
