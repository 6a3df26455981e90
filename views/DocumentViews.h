#pragma once

#include "core/Dependent.h"
#include "framework/CommandTable.h"
#include "framework/Component.h"
#include "framework/ScrollBarBinding.h"
#include "views/ViewScroller.h"

class BitmapSubView;
class EditView;
class Model;
class ToolBox;

// What a document window shows: its edit view with the two scroll bars and, on demand, a magnified
// sub-view in a left column whose width and height two splitters set. Commands reach these views
// before the document.
class DocumentViews : public Visual::Component,
                      public Dependent,
                      public CommandInterface,
                      public Visual::MouseController {
public:
    static constexpr int32_t splitterThickness = 4;
    static constexpr int32_t minimumPane = 35;
    static constexpr int32_t barThickness = 16;

    DocumentViews(QWidget* container, Model& document, ToolBox& tools, int32_t zoom);
    ~DocumentViews() override;

    void* valueFor(const Aspect* aspect) override;
    EditView& editView() const { return *m_editView; }
    BitmapSubView* subView() const { return m_subView; }
    // Creates the sub-view pane when there is none, at magnification.
    void showSubView(int32_t magnification);
    void removeSubView();
    // The left column's width and the sub-view's height.
    Point subSize() const { return m_subSize; }
    void setSubSize(Point size);
    // Shrinks the window to what shows the whole picture, framed, at its zoom, where the picture
    // needs less than the window has.
    void shrinkToPicture();

    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState& popup) override;
    void mouseEvent(const Visual::MouseEvent& event) override;
    // The edit view moved: the bars and the sub-view follow.
    void update(const Aspect* aspect) override;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;
    void resized(Point size) override;

private:
    static const CommandTable<DocumentViews>& table();
    bool mainZoom(uint32_t id, Window* from);
    bool subZoom(uint32_t id, Window* from);
    bool subMagnification(uint32_t id, Window* from);
    // Fits the window to the selection at the views' zooms and shows it from its corner.
    bool showSelectionOnly(uint32_t id, Window* from);
    // The selection's bounds within the picture, empty without a selection.
    Rect selectionShown() const;

    void layout();
    // Which splitter is under p: 1 the column's edge, 2 the sub-view's bottom, 0 none.
    int splitterAt(Point p) const;

    EditView* m_editView;
    BitmapSubView* m_subView = nullptr;
    Point m_subSize;
    ViewScroller m_horizontal;
    ViewScroller m_vertical;
    ScrollBarBinding m_horizontalBar;
    ScrollBarBinding m_verticalBar;
};
