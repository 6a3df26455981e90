#pragma once

#include "framework/ControlAdaptor.h"
#include "framework/DialogControl.h"
#include "resources/DialogTemplates.h"

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

// The template called name; a program without it cannot go on.
const DialogTemplate& requiredDialogTemplate(std::string_view name);

// The controls of one dialog template, placed where the template puts them, and the adaptors bound
// to them. A dialog has one page; a property sheet has one per tab.
class DialogPage {
public:
    // Whether the controls take the keyboard focus; a panel's leave it with the document window.
    enum class Focus { taken, refused };

    // Builds the controls as children of parent, scaled by parent's font unless the template is in
    // pixels.
    DialogPage(const DialogTemplate& layout, QWidget* parent, Focus focus = Focus::taken);
    ~DialogPage();
    DialogPage(const DialogPage&) = delete;
    DialogPage& operator=(const DialogPage&) = delete;

    const DialogTemplate& dialogTemplate() const { return m_template; }
    // The control with this id, or null.
    DialogControl* control(int id) const;

    // Binds a new adaptor to the control id: bind<EditField>(105, model, aspect, field).
    template <class Adaptor, class... Args>
    Adaptor& bind(int id, Args&&... args)
    {
        return adopt(std::make_unique<Adaptor>(existing(id), std::forward<Args>(args)...));
    }
    template <class Adaptor>
    Adaptor& adopt(std::unique_ptr<Adaptor> adaptor)
    {
        Adaptor& bound = *adaptor;
        m_adaptors.push_back(std::move(adaptor));
        return bound;
    }

    // Puts new C(container, args...) into the component control id (see DialogControl::host).
    template <class C, class... Args>
    C& host(int id, Args&&... args)
    {
        return existing(id).template host<C>(std::forward<Args>(args)...);
    }

    // Asks the adaptors in the template's order of their controls; answers the control of the first
    // that refuses, or null when all accept.
    DialogControl* firstRefusing() const;
    // Has every adaptor write what was entered.
    void commit();

    // The control that takes the focus when the page is shown: the first that can, in template order,
    // passing over plain push buttons while any other control can.
    DialogControl* initialFocus() const;
    // The page's control that has the focus, or null.
    DialogControl* focusedControl() const;

    // The bottom-right corner of the controls, in pixels.
    Point contentExtent() const;

    // The page's size in pixels, from its size in dialog units.
    int pixelWidth() const;
    int pixelHeight() const;

private:
    // The control with this id; a template without it is a fault of the program, and fatal.
    DialogControl& existing(int id) const;

    const DialogTemplate& m_template;
    double m_unitX;
    double m_unitY;
    std::vector<std::unique_ptr<DialogControl>> m_controls;
    std::vector<std::unique_ptr<ControlAdaptor>> m_adaptors;
};
