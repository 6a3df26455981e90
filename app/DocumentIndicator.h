#pragma once

#include "core/Dependent.h"
#include "framework/Component.h"
#include "framework/Controllers.h"

class BitmapDocument;

// A small picture of the tool box that shows something of the active document and takes clicks. It
// follows the document (none: null), draws again on each of its changes, and never takes the keys.
class DocumentIndicator : public Visual::Component, public Dependent, public Visual::MouseController {
public:
    explicit DocumentIndicator(QWidget* container);

    BitmapDocument* document() const;

    void* valueFor(const Aspect* aspect) override;
    void update() override { invalidateAll(); }
    void update(const Aspect*) override { invalidateAll(); }
    void afterModelReleased() override { invalidateAll(); }
    void mouseEvent(const Visual::MouseEvent& event) override;

protected:
    // A left press (or double click) at the point.
    virtual void clicked(Point at) = 0;
};
