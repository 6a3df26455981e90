#pragma once

#include "core/ToneBytes.h"
#include "framework/Component.h"
#include "framework/Controllers.h"

#include <vector>

// The tone patterns as a list of 18 x 18 cells, row by row as many as fit across and centred, each
// pattern in black on white inside its cell, the chosen one framed black. A press on a cell chooses its tone.
class ToneCells : public Visual::Component, public Visual::MouseController {
public:
    static constexpr int32_t cellSize = 18;

    ToneCells(QWidget* container, int selected);

    int selected() const { return m_selected; }
    int count() const { return int(m_tones.size()); }
    // Cell index's place.
    Rect cellRect(int index) const;

    void* valueFor(const Aspect* aspect) override;
    void mouseEvent(const Visual::MouseEvent& event) override;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;

private:
    int columns() const;
    Point gridOrigin() const;

    std::vector<ToneBytes> m_tones;
    int m_selected;
};
