#pragma once

#include "framework/Component.h"
#include "framework/Controllers.h"

#include <memory>
#include <vector>

class MaskImage;

// The pen shapes side by side, each in a white cell as big as the largest shape plus a margin of 3
// dots, the chosen one framed black. A press on a cell chooses its pen.
class PenCells : public Visual::Component, public Visual::MouseController {
public:
    PenCells(QWidget* container, int selected);

    int selected() const { return m_selected; }
    int count() const { return int(m_pens.size()); }

    void* valueFor(const Aspect* aspect) override;
    void mouseEvent(const Visual::MouseEvent& event) override;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;

private:
    // Cell index's place; the row is centred in the component.
    Rect cellRect(int index) const;

    std::vector<std::shared_ptr<MaskImage>> m_pens;
    Point m_cell;
    int m_selected;
};
