#pragma once

#include "palette/PaletteModel.h"

class BitmapDocument;

// The palette of an indexed document. Its changes reach the document, which shows them in its image.
class BitmapPalette : public PaletteModel {
public:
    explicit BitmapPalette(BitmapDocument& document) : m_document(document) {}

    using PaletteModel::changed;
    void changed() override;
    void* valueFor(const Aspect* aspect) override;

    // The drawing colour becomes entry (current + delta), unless that lies outside the palette.
    void stepDrawingIndex(int delta);
    // The drawing colour moves by k rows of 16 entries, wrapping around the palette.
    void stepDrawingRow(int k);

private:
    BitmapDocument& m_document;
};
