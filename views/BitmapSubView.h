#pragma once

#include "views/BitmapView.h"

// The magnified view beside the main one: it shows the middle of what the main view shows, at its
// own magnification, and runs no tools.
class BitmapSubView : public BitmapView {
public:
    explicit BitmapSubView(QWidget* container) : BitmapView(container) {}

    void* valueFor(const Aspect* aspect) override;
    int32_t magnification() const { return zoom(); }
    // Puts centre in the middle of the view.
    void recentre(Point centre) { setZoom(zoom(), centre); }
};
