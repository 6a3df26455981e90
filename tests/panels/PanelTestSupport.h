#pragma once

#include "core/Model.h"
#include "core/ValueInterfaces.h"
#include "framework/Component.h"
#include "tests/framework/EventLoop.h"

#include <utility>
#include <vector>

// A component of a test, shown at rect and painted, so that its surface holds what it draws.
template <class C>
C& shownAt(C& component, const Rect& rect)
{
    component.place(rect);
    component.show();
    runEvents(0, [&] { return component.surface().extent() == Point{rect.width(), rect.height()}; });
    // The first paint comes once the window is exposed; only then do later ones show at once.
    runEvents(30);
    component.invalidateAll();
    component.updateNow();
    return component;
}

// The component a test shows, one at a time: a new one replaces the last, which is destroyed, and
// the last goes with the test.
class ShownComponent {
public:
    ShownComponent() = default;
    ShownComponent(const ShownComponent&) = delete;
    ShownComponent& operator=(const ShownComponent&) = delete;
    ~ShownComponent() { replace(nullptr); }

    template <class C>
    C& show(C* component, const Rect& rect)
    {
        replace(component);
        return shownAt(*component, rect);
    }

private:
    void replace(Visual::Component* component)
    {
        if (m_component)
            m_component->destroy();
        m_component = component;
    }

    Visual::Component* m_component = nullptr;
};

// Pointer input straight to a component: a press with the left button held unless told otherwise.
inline Visual::MouseEvent mouseAt(Visual::MouseEvent::Kind kind, Point at, bool shift = false, bool control = false)
{
    bool held = kind == Visual::MouseEvent::leftDown || kind == Visual::MouseEvent::leftDouble ||
                kind == Visual::MouseEvent::move;
    return {kind, at, shift, control, held, false, {}};
}

// A selection value that records the presses that chose it.
class RecordedSelection : public Model, public SelectionInterface {
public:
    explicit RecordedSelection(const InterfaceAspect<SelectionInterface>& aspect, int value = -1)
        : m_aspect(aspect), m_value(value)
    {
    }

    int32_t selection() const override { return m_value; }
    void select(int32_t n, bool shift) override
    {
        choices.push_back({n, shift});
        set(n);
    }
    void set(int32_t n)
    {
        m_value = n;
        changed(&m_aspect);
    }
    void* valueFor(const Aspect* aspect) override
    {
        return aspect == &m_aspect ? offer<SelectionInterface>(this) : Model::valueFor(aspect);
    }

    std::vector<std::pair<int, bool>> choices;

private:
    const InterfaceAspect<SelectionInterface>& m_aspect;
    int32_t m_value;
};
