#pragma once

#include "document/UndoRecord.h"
#include "palette/PaletteModel.h"

class BitmapDocument;

// Puts back the palette's precision and colours, keeping the present ones for the inverse step.
class PaletteUndo : public UndoAction {
public:
    PaletteUndo(BitmapDocument& document, PaletteModel::Snapshot colors)
        : m_document(document), m_colors(std::move(colors))
    {
    }
    void undoAction() override;

private:
    BitmapDocument& m_document;
    PaletteModel::Snapshot m_colors;
};
