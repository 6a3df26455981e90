#pragma once

#include "document/UndoRecord.h"

#include <memory>

class BitmapDocument;
struct SelectionRecord;

// Puts back a former selection (or none), keeping the present one for the inverse step.
class SelectionUndo : public UndoAction {
public:
    SelectionUndo(BitmapDocument& document, std::shared_ptr<SelectionRecord> record)
        : m_document(document), m_record(std::move(record))
    {
    }
    void undoAction() override;

private:
    BitmapDocument& m_document;
    std::shared_ptr<SelectionRecord> m_record;
};
