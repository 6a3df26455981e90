#pragma once

#include "core/Geometry.h"
#include "core/Model.h"

#include <optional>
#include <string>
#include <string_view>

class QWidget;

// A framework object bound to one native window. Once attached, the window's events reach the
// handlers below first, each under a callback guard; what a handler leaves unhandled goes on to the
// native window's own handling. The object is deleted when its native window is destroyed.
class Window : public Model {
public:
    Window() = default;
    ~Window() override;

    // Binds the native window (null unbinds) and enters the pair in the handle map.
    void attach(QWidget* handle);
    QWidget* handle() const { return m_handle; }
    // The object bound to a native window, or null.
    static Window* lookup(const QWidget* handle);
    // Destroys the native window, and with it this object.
    void destroy();

    void* valueFor(const Aspect* aspect) override;

    // The frame's rectangle: on screen for a top-level window, in the parent for a child.
    Rect frameRect() const;
    // Moves and resizes without activating.
    void place(const Rect& frame);
    void show();
    void hide();
    bool isVisible() const;
    bool isMinimized() const;
    // Whether the keys go to this window while its top-level window is active.
    bool hasFocus() const;
    void setTitle(const std::string& title);
    std::string title() const;
    // Asks the window to close, as its close box does; false when it stayed open.
    bool close();
    // Shows the program's pointer called name over the window; "" is the platform's arrow and
    // "TEXT" its text pointer. A name without a picture leaves the pointer as it is.
    void setPointer(std::string_view name);
    const std::string& pointer() const { return m_pointer; }
    // Where the pointer is, in the window's coordinates, when it is over the window.
    std::optional<Point> pointerInside() const;
    // The screen point of p, given in the window's coordinates.
    Point toScreen(Point p) const;
    // Puts the window above its siblings without activating it.
    void raise();
    // De-iconifies the window and makes it the active one.
    void bringToFront();

    // A native event for this window, already classified; answers whether it was handled.
    bool dispatchClose();
    void dispatchActivation(bool active);
    void dispatchDestroyed();

protected:
    // Asked before the window closes; false keeps it open.
    virtual bool closeRequested() { return true; }
    // The window became active or inactive; tells the followers by default.
    virtual void activated(bool active);
    // The native window is going: the last moment to let go of models.
    virtual void nativeDestroyed() {}

private:
    QWidget* m_handle = nullptr;
    std::string m_pointer;
};
