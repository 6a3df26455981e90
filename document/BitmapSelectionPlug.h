#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <memory>

class BitmapDocument;
class DIBImage;
struct SelectionRecord;

// The document's one selection: it installs, moves, composites and commits the floating image, and
// tells the document's dependents of every change (BitmapSelectionPlug::access). Every change
// records its inverse in the document's undo step; moveBy begins that step itself, the others
// join the step their caller began.
class BitmapSelectionPlug {
public:
    explicit BitmapSelectionPlug(BitmapDocument& document) : m_document(document) {}

    std::shared_ptr<SelectionRecord> selection() const { return m_selection; }
    // Replaces the selection (none: no selection). The record takes the document's paste mode and
    // is composited over the picture; a floating one without a transparency mask gets one made
    // for its transparent colour. It does not commit the selection it replaces: callers do.
    void setSelection(std::shared_ptr<SelectionRecord> record);
    // Moves the selection by offset dots, lifting it first when it does not float yet; keepCopy
    // leaves the dots (or the current composite) where they were.
    void moveBy(Point offset, bool keepCopy);
    // Writes a floating image into the picture (recorded for undo) and removes the selection.
    void commit();

    // Installs a record with the paste mode it has, which the document takes (undo, lift).
    void restore(std::shared_ptr<SelectionRecord> record);
    // Moves the selection without lifting or leaving a copy, recording the way back.
    void shift(Point offset);
    // A new record of the same region and floating image in another mode.
    void changeMode(int32_t mode);
    // Rebuilds the shown floating image over area, in picture coordinates.
    void composite(const Rect& area);
    // A copy of the floating image's own pixels, as they were lifted or pasted, outside any
    // composite; none without a floating image.
    std::shared_ptr<DIBImage> ownImage() const;

private:
    // Marks the document modified when the selection floats.
    void floatingChanged();

    BitmapDocument& m_document;
    std::shared_ptr<SelectionRecord> m_selection;
};
