#pragma once

#include "core/Geometry.h"
#include "document/UndoRecord.h"

#include <memory>
#include <optional>

class BitmapDocument;
class DIBImage;

// Puts the other canvas back, keeping the present one for the inverse step. With a frame size, the
// canvas had another size and the animation frame it had goes back with it.
class CanvasUndo : public UndoAction {
public:
    CanvasUndo(BitmapDocument& document, std::shared_ptr<DIBImage> image, std::optional<Point> frameSize = {})
        : m_document(document), m_image(std::move(image)), m_frameSize(frameSize)
    {
    }
    void undoAction() override;

private:
    BitmapDocument& m_document;
    std::shared_ptr<DIBImage> m_image;
    std::optional<Point> m_frameSize;
};
