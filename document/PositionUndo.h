#pragma once

#include "core/Geometry.h"
#include "document/UndoRecord.h"

#include <memory>

class BitmapDocument;
struct SelectionRecord;

// Moves a floating selection back to where it was, while it is still the document's selection.
class PositionUndo : public UndoAction {
public:
    PositionUndo(BitmapDocument& document, std::weak_ptr<SelectionRecord> record, Point offset)
        : m_document(document), m_record(std::move(record)), m_offset(offset)
    {
    }
    void undoAction() override;

private:
    BitmapDocument& m_document;
    std::weak_ptr<SelectionRecord> m_record;
    Point m_offset;
};
