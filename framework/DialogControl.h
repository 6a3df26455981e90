#pragma once

#include "base/Color.h"
#include "core/Geometry.h"
#include "resources/DialogTemplates.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;
class DialogPage;

namespace Visual {
class Component;
}

class DialogControl;
namespace syntheticInput {
void pressKey(DialogControl& control, uint32_t key, uint8_t modifiers, const std::string& text);
void turnWheel(DialogControl& control, Point turn, uint8_t modifiers);
} // namespace syntheticInput

// One control of a dialog made from a template, found by its id. Adaptors read and write it; tests
// use it the way a user would (typing, clicking, stepping an up-down, picking an item, sliding).
class DialogControl {
public:
    DialogControl(const DialogControl&) = delete;
    DialogControl& operator=(const DialogControl&) = delete;

    int id() const { return m_id; }
    ControlKind kind() const { return m_kind; }

    // The text shown (or typed, for an edit field; the current item's, for a combo box), UTF-8.
    std::string text() const;
    void setText(std::string_view text);
    // The part of an edit field's text that is selected.
    std::string selectedText() const;
    // Text typed beyond this many characters is refused by an edit field.
    void setMaxLength(int characters);

    bool isChecked() const;
    void setChecked(bool checked);

    ColorRef color() const { return m_color; }
    void setColor(ColorRef c);

    bool isEnabled() const;
    void setEnabled(bool enabled);

    // Gives the control the keyboard focus; an edit field gets its whole text selected.
    void focus();
    // Whether this is the control of its window that has (or gets, once the window is active) the focus.
    bool isFocused() const;

    // Called when a button, radio button or swatch is pressed, and with +1 or -1 when an up-down is.
    void onClicked(std::function<void()> handler) { m_clicked = std::move(handler); }
    void onStep(std::function<void(int)> handler) { m_step = std::move(handler); }
    // Called with +1 or -1, instead of the step handler, when an up-down's arrow is clicked with Shift
    // or Ctrl held or the wheel turns over it with Ctrl. Without one, those are ordinary steps.
    void onPageStep(std::function<void(int)> handler) { m_pageStep = std::move(handler); }

    // Presses the control as the user would: a button is clicked, an up-down takes |delta| steps.
    void click();
    void step(int delta);
    // Takes |delta| page steps of an up-down, as arrow clicks with Shift held would.
    void pageStep(int delta);

    // Replaces a combo box's items; none is current until one is set or picked.
    void setItems(const std::vector<std::string>& items);
    int itemCount() const;
    // The text of a combo box's item, or "" for an index out of range.
    std::string itemText(int index) const;
    // The combo box's current item, or -1 for none. Setting it (-1 shows none) calls no handler.
    int currentIndex() const;
    void setCurrentIndex(int index);
    // Called with the item's index whenever the user picks one: from the list, with the keys, the wheel.
    void onSelected(std::function<void(int)> handler) { m_selected = std::move(handler); }
    // Picks an item as the user would: it becomes current and the handler is called, even when it
    // already was. An index out of range picks nothing.
    void select(int index);

    // A track bar's range; the arrow keys move its thumb by one, the page keys and clicks in the
    // groove by pageStep. A position outside the range is brought into it, calling no handler.
    void setRange(int minimum, int maximum, int pageStep);
    int position() const;
    // Moves a track bar's thumb without calling the move handler.
    void setPosition(int position);
    // Called with the new position for every move the user makes: dragging, keys, clicks in the groove.
    void onMoved(std::function<void(int)> handler) { m_moved = std::move(handler); }
    // Moves the thumb as the user would (into the range); the handler is called when the position changes.
    void slide(int position);

    // Where the control is on its page, in pixels.
    Rect rect() const;
    // Moves the control, and the component it holds, to rect (pixels).
    void place(const Rect& rect);

    // Puts the component new C(container, args...) into a component control, filling its place; it
    // draws and takes the pointer and the focus (unless its page leaves the focus alone) there, and
    // goes with the dialog's window. Call it before the dialog runs.
    template <class C, class... Args>
    C& host(Args&&... args)
    {
        C* hosted = new C(componentContainer(), std::forward<Args>(args)...);
        adopt(*hosted);
        return *hosted;
    }
    // The component put there by host, or null.
    Visual::Component* component() const { return m_component; }

private:
    friend class DialogPage;
    friend void syntheticInput::pressKey(DialogControl&, uint32_t, uint8_t, const std::string&);
    friend void syntheticInput::turnWheel(DialogControl&, Point, uint8_t);
    DialogControl(const ControlTemplate& layout, QWidget* widget, bool takesFocus);

    void clicked();
    // page: Shift or Ctrl was held on an arrow, or Ctrl on the wheel.
    void stepped(int delta, bool page);
    void selected(int index);
    void moved(int position);
    // The widget that holds the keyboard focus when the control has it.
    QWidget* focusTarget() const;
    // The native window a component of this control is made in; only component controls have one.
    QWidget* componentContainer() const;
    void adopt(Visual::Component& component);

    int m_id;
    ControlKind m_kind;
    QWidget* m_widget;
    ColorRef m_color = 0;
    bool m_takesFocus;
    Visual::Component* m_component = nullptr;
    std::function<void()> m_clicked;
    std::function<void(int)> m_step;
    std::function<void(int)> m_pageStep;
    std::function<void(int)> m_selected;
    std::function<void(int)> m_moved;
    // Set while the program moves a track bar, whose moves then reach no handler.
    bool m_settingPosition = false;
};
