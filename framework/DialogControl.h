#pragma once

#include "base/Color.h"
#include "core/Geometry.h"
#include "resources/DialogTemplates.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

class QWidget;
class DialogPage;

namespace Visual {
class Component;
}

class DialogControl;
namespace syntheticInput {
void pressKey(DialogControl& control, uint32_t key, uint8_t modifiers, const std::string& text);
}

// One control of a dialog made from a template, found by its id. Adaptors read and write it; tests
// use it the way a user would (typing, clicking, stepping an up-down).
class DialogControl {
public:
    DialogControl(const DialogControl&) = delete;
    DialogControl& operator=(const DialogControl&) = delete;

    int id() const { return m_id; }
    ControlKind kind() const { return m_kind; }

    // The text shown (or typed, for an edit field), UTF-8.
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

    // Presses the control as the user would: a button is clicked, an up-down takes |delta| steps.
    void click();
    void step(int delta);

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
    DialogControl(const ControlTemplate& layout, QWidget* widget, bool takesFocus);

    void clicked();
    void stepped(int delta);
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
};
