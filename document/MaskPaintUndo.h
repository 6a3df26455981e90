#pragma once

#include "base/Color.h"
#include "core/Geometry.h"
#include "core/ToneBytes.h"
#include "document/UndoRecord.h"

#include <memory>
#include <optional>

class BitmapDocument;
class MaskImage;

// Undoes a fill of a mask by painting the mask again: with the one colour its dots all had, and as
// the inverse step with the fill's colour through its tone. Neither keeps the pixels.
class MaskPaintUndo : public UndoAction {
public:
    struct Paint {
        ColorRef color;
        std::optional<ToneBytes> tone;
    };
    MaskPaintUndo(BitmapDocument& document, std::shared_ptr<const MaskImage> mask, Point origin, Paint paint,
                  Paint inverse)
        : m_document(document), m_mask(std::move(mask)), m_origin(origin), m_paint(paint), m_inverse(inverse)
    {
    }
    void undoAction() override;

private:
    BitmapDocument& m_document;
    std::shared_ptr<const MaskImage> m_mask;
    Point m_origin;
    Paint m_paint;
    Paint m_inverse;
};
