#pragma once

#include "core/InterfaceAspect.h"
#include "panels/CellGrid.h"

#include <cstdint>
#include <functional>
#include <memory>

class MaskImage;
class Model;
class SelectionInterface;
struct MenuItem;

// A bank of toggle buttons over an integer selection: button n is drawn pressed while the selection
// is n, and a press on it chooses n. The pictures come from one bitmap that holds the n images side
// by side, the buttons as they look up in its upper half and pressed in its lower half; the bank
// lays them out in columns x rows. A bank may carry a menu with one item per button: a press on a
// popup's button pops it up at the button's top-right corner, and a double click on a command's
// button posts that command.
class ToggleButtonsPlug : public CellGrid {
public:
    using CommandSink = std::function<void(uint32_t)>;

    // The bank of the bitmap bitmapId in layout.x columns and layout.y rows, bound to the selection
    // that model answers for aspect. extraHeight adds room below every picture for what a subclass
    // draws there.
    ToggleButtonsPlug(QWidget* container, Model& model, const InterfaceAspect<SelectionInterface>& aspect, int bitmapId,
                      Point layout, int extraHeight = 0);
    ~ToggleButtonsPlug() override;

    void setMenu(const MenuItem& menu, CommandSink post);

    // The pressed button, -1 for none (or no selection to show).
    int selection() const;
    Point buttonSize() const { return m_button; }

    void* valueFor(const Aspect* aspect) override;
    void update() override;
    void update(const Aspect* aspect) override;

protected:
    void paintCell(GraphicsContext& gc, int n, const Rect& cell) override;
    void pressed(int n, const Visual::MouseEvent& press) override;
    SelectionInterface* selectionValue() const;

private:
    ToggleButtonsPlug(QWidget* container, Model& model, const InterfaceAspect<SelectionInterface>& aspect,
                      std::shared_ptr<MaskImage> bitmap, Point layout, int extraHeight);

    const InterfaceAspect<SelectionInterface>& m_aspect;
    std::shared_ptr<MaskImage> m_bitmap;
    Point m_button;
    // The button drawn pressed, to redraw only the two that change.
    int m_shown = -1;
    const MenuItem* m_menu = nullptr;
    CommandSink m_post;
};
