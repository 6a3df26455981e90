#pragma once

#include "core/Geometry.h"

#include <memory>

class BitmapDocument;
struct SelectionRecord;

// The document's one selection: it installs, moves, composites and commits the floating image, and
// tells the document's dependents of every change (BitmapSelectionPlug::access).
class BitmapSelectionPlug {
public:
    explicit BitmapSelectionPlug(BitmapDocument& document) : m_document(document) {}

    std::shared_ptr<SelectionRecord> selection() const { return m_selection; }
    // Replaces the selection (none: no selection). The record takes the document's paste mode and
    // is composited over the picture.
    void setSelection(std::shared_ptr<SelectionRecord> record);
    // Moves the selection by offset dots, lifting it first when it does not float yet; keepCopy
    // leaves the dots (or the current composite) where they were.
    void moveBy(Point offset, bool keepCopy);
    // Writes a floating image into the picture (recorded for undo) and removes the selection.
    void commit();

private:
    BitmapDocument& m_document;
    std::shared_ptr<SelectionRecord> m_selection;
};
