#pragma once

#include "panels/CellGrid.h"
#include "panels/ModelFollower.h"

#include <functional>

class ColorSelectionModel;
class PaletteModel;

// The 16 x 16 grid of a palette dialog over its ColorSelectionModel: every cell shows its entry's
// colour inside a frame, black when the entry is selected and white when not. Presses change the
// selection by the modifiers held at the press; holding a press blinks the selected entries, and a
// model that answers ColorSelectionModel::dragger is offered the presses that did not blink. The
// grid redraws when the selection or the palette changes.
class PaletteGrid : public CellGrid {
public:
    PaletteGrid(QWidget* container, ColorSelectionModel& selection);

    ColorSelectionModel& selection() const { return m_selection; }
    PaletteModel* palette() const;

    void update() override;
    void update(const Aspect* aspect) override;

protected:
    void paintCell(GraphicsContext& gc, int n, const Rect& cell) override;
    void pressed(int n, const Visual::MouseEvent& press) override;

private:
    using Action = std::function<void()>;
    // Holds the press to blink the selected entries; then runs once the press has ended without
    // blinking (released, or moved away), with the pointer as it is then.
    void unlessBlinking(const Visual::MouseEvent& press, std::function<void(const Visual::MouseEvent& now)> then);
    // Blinking, then the dragger; otherwise runs when neither took the press over.
    void holdCheck(const Visual::MouseEvent& press, Action otherwise);
    // Offers the press to the model's dragger; false when there is none.
    bool offerDrag(const Visual::MouseEvent& press, const Visual::MouseEvent& now, const Action& otherwise);
    // The cells of the selected entries' bounding box.
    Rect selectedBlock() const;

    ColorSelectionModel& m_selection;
    ModelFollower m_paletteFollower;
};
