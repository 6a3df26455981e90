#pragma once

#include <cstdint>

class BitmapDocument;
class Window;

// The Palette menu's file commands on an indexed picture. Load asks for a palette file of any
// format the editor reads, reads it whole before anything changes and lets the user place its
// colours. Save asks for the rows, then a name and format, checks and backs up an old file as a
// picture's save does, and writes the rows ascending. Failures are shown as the editor's messages.
bool loadPaletteFile(BitmapDocument& document, uint32_t id, Window* from);
bool savePaletteFile(BitmapDocument& document, uint32_t id, Window* from);
