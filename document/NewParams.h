#pragma once

#include "core/IntValue.h"
#include "core/PointModel.h"
#include "palette/ColorValue.h"

class SettingsFile;

// The new-document preferences. One instance lives for the whole run and new documents take their
// defaults from it; the preferences dialog edits a second one.
class NewParams {
public:
    NewParams();

    IntValue backgroundIndex{0};
    ColorValue backgroundColour{rgb(255, 255, 255)};
    PointModel blockSize;
    PointModel canvasSize;
    PointModel meshSize;
    IntValue meshColourIndex{1};
    IntValue edgeWidth{1};
    PointModel offset;
    IntValue yUp{0};
    // The New dialog's colour mode, 0 for 256 colours and 1 for full colour: it starts at 0 and is
    // kept from one New to the next while the program runs, but never written to the settings.
    IntValue colorMode{0};

    // The instance new documents read.
    static NewParams& current();
};

// Reads the nine preferences from the settings; a value that is missing or out of range gives the
// default, never an error. Each member is set through its model, so its followers hear of it.
void loadNewParams(const SettingsFile& file, NewParams& params);
void saveNewParams(SettingsFile& file, const NewParams& params);
