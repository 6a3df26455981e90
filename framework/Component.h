#pragma once

#include "framework/Controllers.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "framework/WindowSurface.h"
#include "pixels/Region.h"

#include <memory>

class GraphicsContext;
class LogicalPalette;

namespace Visual {

// Something that draws in a window and takes input there: its pointer events go to the controller
// it names for waitingController, its keys to the one for focusedController, and its drawing to a
// surface that the window shows. Events run under a callback guard.
class Component : public Window {
public:
    // A component inside the client area of container (its native parent).
    explicit Component(QWidget* container);
    ~Component() override;

    Point size() const;
    void place(const Rect& rect);
    // Resizes the window that holds this component (its document window, else its top-level
    // window) so that the component becomes size, keeping the window's top-left corner and keeping
    // it inside the area it lives in (the workspace or the screen).
    void fitWindowTo(Point size);
    void setFocus();
    // Keyboard focus given to this component goes to target instead (the view that has the keys).
    void passFocusTo(Component& target);
    // A component that never takes the keyboard focus itself.
    void refuseFocus();
    // Marks rect to be drawn again; nothing is erased first.
    void invalidate(const Rect& rect);
    void invalidateAll();
    // Moves the pixels of rect by (dx, dy) and marks what was uncovered.
    void scroll(int32_t dx, int32_t dy, const Rect& rect);
    // Draws the marked area now instead of when the loop is idle.
    void updateNow();
    // What the component showed last; tests read its pixels.
    WindowSurface& surface() { return m_surface; }

    // Runs a gesture from a press handler: it receives the pointer until it ends.
    void track(std::unique_ptr<Tracker> tracker, const MouseEvent& press);
    bool isTracking() const { return m_tracker != nullptr; }
    // One step of the gesture with the pointer where it last was, as its idle timer runs it; tests
    // call it after advancing their clock.
    void idleStep();

    // The native side calls these.
    void dispatchPaint(const Rect& clip);
    void dispatchMouse(const MouseEvent& event);
    void dispatchKey(const KeyEvent& event);
    void dispatchResize(Point size);

protected:
    // Draws the area clip of the component.
    virtual void paint(GraphicsContext& gc, const Rect& clip);
    // The palette that resolves palette-index colours while painting, if any.
    virtual std::shared_ptr<LogicalPalette> paintPalette() const { return nullptr; }
    virtual void resized(Point) {}

private:
    // Runs the gesture's steps while the pointer stands still.
    class IdleTicks : public TimerTarget {
    public:
        explicit IdleTicks(Component& component) : m_component(component) {}
        bool tick(Timer&) override;

    private:
        Component& m_component;
    };

    // Samples state and steps or ends the gesture, as every pointer event during it does.
    void advanceGesture(const MouseEvent& state);

    WindowSurface m_surface{{1, 1}};
    std::unique_ptr<Tracker> m_tracker;
    MouseEvent m_lastPointer{MouseEvent::move, {}, false, false, false, false, {}};
    IdleTicks m_idleTicks{*this};
    Timer m_idleTimer{&m_idleTicks};
    // What is marked and not drawn yet.
    Region m_pending;
};

} // namespace Visual
