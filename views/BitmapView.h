#pragma once

#include "views/ImageView.h"

class BitmapSelectionPlug;
class MeshPlug;
struct SelectionRecord;

// The view of a picture: the image at its zoom on a grey surround with a black frame just outside
// it, and optionally the mesh fixed to the image. Tells its followers BitmapView::changeCenter when
// what it shows moves.
class BitmapView : public ImageView {
public:
    static constexpr ColorRef surroundColor = 0x00808080;

    explicit BitmapView(QWidget* container);

    void* valueFor(const Aspect* aspect) override;
    bool isMeshVisible() const { return m_meshVisible; }
    void setMeshVisible(bool visible);
    // The document's mesh settings, or null when it offers none.
    MeshPlug* mesh() const;
    // The document's selection plug, or null without a document.
    BitmapSelectionPlug* selectionPlug() const;
    // The current selection, or none.
    std::shared_ptr<SelectionRecord> selection() const;

    void update(const Aspect* aspect) override;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;
    std::shared_ptr<LogicalPalette> paintPalette() const override;
    void originChanged() override;
    void resized(Point size) override;

private:
    void paintSurround(GraphicsContext& gc, const Rect& clip, const Rect& picture);
    void paintMesh(GraphicsContext& gc, const Rect& clip);
    // The floating image's dots under clip, over the picture.
    void paintFloating(GraphicsContext& gc, const Rect& clip);
    // The floating image moved or changed: its old and new places are drawn again.
    void floatingChanged();

    bool m_meshVisible = false;
    // The dots the floating image covered when last told.
    Rect m_floating;
};
