#pragma once

#include "document/UndoRecord.h"

#include <memory>

class BitmapDocument;
class DIBImage;

// Puts the other canvas back, keeping the present one for the inverse step.
class CanvasUndo : public UndoAction {
public:
    CanvasUndo(BitmapDocument& document, std::shared_ptr<DIBImage> image)
        : m_document(document), m_image(std::move(image))
    {
    }
    void undoAction() override;

private:
    BitmapDocument& m_document;
    std::shared_ptr<DIBImage> m_image;
};
