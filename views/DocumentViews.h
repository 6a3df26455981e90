#pragma once

#include "core/Dependent.h"
#include "framework/CommandTable.h"
#include "framework/Component.h"
#include "framework/ScrollBarBinding.h"
#include "views/ViewScroller.h"

#include <memory>

class EditView;
class Model;
class ToolBox;

// What a document window shows: its edit view with the two scroll bars. Commands reach the edit
// view first.
class DocumentViews : public Visual::Component, public Dependent, public CommandInterface {
public:
    DocumentViews(QWidget* container, Model& document, ToolBox& tools, int32_t zoom);
    ~DocumentViews() override;

    void* valueFor(const Aspect* aspect) override;
    EditView& editView() const { return *m_editView; }

    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState& popup) override;
    // The edit view moved: the bars follow.
    void update(const Aspect* aspect) override;

protected:
    void resized(Point size) override;

private:
    EditView* m_editView;
    ViewScroller m_horizontal;
    ViewScroller m_vertical;
    ScrollBarBinding m_horizontalBar;
    ScrollBarBinding m_verticalBar;
};
