#pragma once

#include "core/Geometry.h"

class DIBImage;

// What a view reads of a document's picture (named by ImageView::Plug::access): the image and the
// area the latest change touched.
class ImagePlug {
public:
    virtual DIBImage* image() const = 0;
    virtual Rect damage() const = 0;

protected:
    ~ImagePlug() = default;
};

// How the mesh over a picture looks (named by BitmapView::Mesh::access).
class MeshPlug {
public:
    virtual Point meshSize() const = 0;
    virtual uint32_t meshColor() const = 0;
    // 0 solid, 1 dashed, 2 dotted.
    virtual int32_t meshStyle() const = 0;

protected:
    ~MeshPlug() = default;
};
