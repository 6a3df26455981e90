#pragma once

#include "framework/Window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CommandInterface;
class DialogPage;
class MDIWorkSpace;
struct MenuItem;

// A small tool window that floats above the frame: movable, closable (closing hides it), and shown
// or hidden with the frame's commands. It never takes the keyboard focus from the document window,
// so the keys go on working there after a click in the panel.
class FloatingPanel : public Window {
public:
    FloatingPanel(MDIWorkSpace& frame, const std::string& title, Point size);
    // A panel made from the ..._PANEL template templateName: its caption, and its controls on a
    // page whose rectangles are pixels.
    FloatingPanel(MDIWorkSpace& frame, std::string_view templateName);
    ~FloatingPanel() override;

    Point position() const;
    void moveTo(Point p);
    void setShown(bool shown);
    // The panel's content area.
    QWidget* client() const { return handle(); }

    // The page of the panel's template; null for a panel made without one.
    DialogPage* page() const { return m_page.get(); }
    // Replaces the page by one of the template templateName, keeping the panel where it is.
    void showPage(std::string_view templateName);
    // Sizes the client area to the right and bottom extents of the page's controls plus margin.
    void fitToContent(int margin);
    // Sizes the client area to size, for a panel that lays out its own child windows.
    void setClientSize(Point size);
    // The client area's size, without the window's frame.
    Point clientSize() const;

    // A right click anywhere in the panel pops up menu; its commands go to handler, and so does the
    // window manager's maximise request, as maximiseCommand (0: none). The close command
    // (commands::closePanel) hides the panel when the handler does not take it.
    void setMenu(const MenuItem& menu, CommandInterface& handler, uint32_t maximiseCommand = 0);
    // Runs a command as the panel's menu would.
    void sendCommand(uint32_t id);
    // Pops up the panel's menu at the screen point, as a right click does.
    void popUpMenu(Point screen);
    bool hasMenu() const { return m_menu != nullptr; }

protected:
    void activated(bool active) override;
    bool closeRequested() override;
    void nativeDestroyed() override;

private:
    // Holds the page's controls; a new page gets a new one.
    QWidget* m_content = nullptr;
    std::unique_ptr<DialogPage> m_page;
    const MenuItem* m_menu = nullptr;
    CommandInterface* m_handler = nullptr;
    uint32_t m_maximiseCommand = 0;
};
