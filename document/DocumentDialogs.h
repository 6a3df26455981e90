#pragma once

#include <functional>

class BitmapDocument;

// The dialogs that a document's commands run. The document cannot know them (they live a level
// above it), so that level fills them in at start-up; an empty one leaves its command doing nothing.
struct DocumentDialogs {
    using Run = std::function<void(BitmapDocument&)>;

    Run blockSize;     // command 316
    Run meshColor;     // command 504
    Run meshSize;      // command 608
    Run pasteSettings; // command 207
    Run tone;          // chooseTone: TONE_DIALOG, from the tool box's tone indicator

    static DocumentDialogs& installed();
};
