#pragma once

#include "palette/PaletteModel.h"

#include <memory>

class BitmapDocument;
class DIBImage;

// A palette command while its dialog runs: the palette as it was at the start and, for a command
// that renumbers pixels, the picture too. Confirming makes them the document's undo step when
// anything changed; any other end, an error included, puts them back.
class PaletteSession {
public:
    enum class Scope { palette, paletteAndImage };

    // The floating selection goes down first when the pixels are kept, so the copy holds it.
    PaletteSession(BitmapDocument& document, Scope scope);
    ~PaletteSession();
    PaletteSession(const PaletteSession&) = delete;
    PaletteSession& operator=(const PaletteSession&) = delete;

    // The palette as the command found it.
    const PaletteModel::Snapshot& snapshot() const { return m_colors; }
    // Keeps the changes as one undo step, marking the document modified, when the palette or the
    // pixels differ from the start; an unchanged palette leaves undo and the modified flag alone.
    void keep();
    // Puts the palette, the picture and the modified flag back as they were.
    void restore();

private:
    BitmapDocument& m_document;
    PaletteModel::Snapshot m_colors;
    std::shared_ptr<DIBImage> m_image;
    bool m_wasModified = false;
    bool m_ended = false;
};
