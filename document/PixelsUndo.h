#pragma once

#include "core/Geometry.h"
#include "document/UndoRecord.h"

#include <memory>

class BitmapDocument;
class DIBImage;

// Puts back the dots of one rectangle, keeping the dots it covers for the inverse step.
class PixelsUndo : public UndoAction {
public:
    PixelsUndo(BitmapDocument& document, std::shared_ptr<DIBImage> pixels, Point at)
        : m_document(document), m_pixels(std::move(pixels)), m_at(at)
    {
    }
    void undoAction() override;

private:
    BitmapDocument& m_document;
    std::shared_ptr<DIBImage> m_pixels;
    Point m_at;
};
