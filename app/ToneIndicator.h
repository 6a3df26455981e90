#pragma once

#include "app/DocumentIndicator.h"

// The tool box's tone: the document's tone pattern in black on white, solid black for the solid
// tone or without a document. A click asks for another tone.
class ToneIndicator : public DocumentIndicator {
public:
    using DocumentIndicator::DocumentIndicator;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;
    void clicked(Point at) override;
};
