#pragma once

#include "core/Dependent.h"
#include "core/Geometry.h"
#include "framework/Component.h"

class DIBImage;
class ImagePlug;

// A zoomable view of a model's image (found through ImageView::Plug::access): an integer zoom, the
// dot shown at the top-left corner, and the mapping between window pixels and dots. Painting
// stretches only the dots under the area being drawn.
class ImageView : public Visual::Component, public Dependent {
public:
    explicit ImageView(QWidget* container);

    int32_t zoom() const { return m_zoom; }
    Point origin() const { return m_origin; }

    Point dotToView(Point dot) const;
    // Rounds toward minus infinity, also left of and above the origin.
    Point viewToDot(Point pixel) const;
    // The dots a window rectangle touches, and the window rectangle of a dot rectangle.
    Rect viewToDots(const Rect& pixels) const;
    Rect dotsToView(const Rect& dots) const;
    Rect imageBounds() const;
    // The middle of the dots in view that belong to the image.
    Point visibleCentre() const;
    // How many dots the view shows across and down (a partly shown dot counts).
    Point viewDots() const;

    // Zooms so that centreDot comes to the middle of the view.
    void setZoom(int32_t zoom, Point centreDot);
    void setZoomKeepingCentre(int32_t zoom);
    // Moves the pixels already shown and draws only what was uncovered.
    void scrollTo(Point newOrigin);

    void update() override;
    void update(const Aspect* aspect) override;

protected:
    DIBImage* image() const;
    void paint(GraphicsContext& gc, const Rect& clip) override;
    // Draws the image's dots under clip; views add what lies around and over them.
    void paintImage(GraphicsContext& gc, const Rect& clip);
    // The origin moved (scrolling or zooming).
    virtual void originChanged() {}

private:
    ImagePlug* plug() const;

    int32_t m_zoom = 1;
    Point m_origin;
};
