#pragma once

#include "framework/PopupMenu.h"
#include "framework/Window.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class AcceleratorFilter;
class FrameClient;
class MenuBar;
class QMainWindow;
class QMdiArea;
class ScheduledWindow;
struct Accelerator;
struct MenuItem;

// The main frame and its document area, which holds one window per open picture. It tells its
// followers WorkSpace::activate whenever another document window (or none) becomes the active one.
class MDIWorkSpace : public Window {
public:
    MDIWorkSpace(FrameClient& client, const std::string& title);
    ~MDIWorkSpace() override;

    void* valueFor(const Aspect* aspect) override;

    // Gives the frame its menu bar and accelerator table; the window list goes into the top-level
    // popup at windowMenuIndex.
    void setMenu(const MenuItem& menu, std::span<const Accelerator> keys, int windowMenuIndex);
    PopupMenu popup(int index) const;
    // Runs a command as its menu item or key would: a key whose menu item is disabled does nothing.
    void sendCommand(uint32_t id, bool fromKey = false);
    // Sends the command as a menu item would, once the event in hand is done: a panel's button
    // reaches the application's routing, and through it the active document window.
    void postCommand(uint32_t id);

    ScheduledWindow* activeDocumentWindow() const;
    std::vector<ScheduledWindow*> documentWindows() const;
    // Brings a document window to the front of the area, de-iconified.
    void activate(ScheduledWindow& window);
    void cascade();
    void tile();
    void arrangeIcons();
    // Closes the active document window until none is left; false when one refused to close.
    bool closeAllDocumentWindows();

    QMdiArea& area() const { return *m_area; }
    // The document area, in the coordinates of the document windows' frames.
    Rect areaRect() const;
    // Where the area's top-left corner lies on the screen.
    Point areaOrigin() const;
    // Places a new document window in free, the part of the area it may take: the first one fills
    // it, each further one goes a title bar down and right of the one before and takes the rest,
    // starting again at the corner when less than half of free would be left.
    void placeNewWindow(ScheduledWindow& window, const Rect& free);
    // The rectangle of the desktop that windows may take.
    Rect desktopRect() const;
    // Gives the frame, window decorations included, this rectangle. A window manager may add the
    // decorations only once the frame is shown, so the rectangle is given again at the first
    // activation, when their size is known.
    void placeFrame(const Rect& frame);

protected:
    bool closeRequested() override;
    void activated(bool active) override;

private:
    void refreshWindowList();

    FrameClient& m_client;
    QMainWindow* m_frame;
    QMdiArea* m_area;
    std::unique_ptr<MenuBar> m_menuBar;
    std::unique_ptr<AcceleratorFilter> m_keys;
    std::optional<Rect> m_wantedFrame;
    int m_windowMenuIndex = -1;
    int m_windowMenuItems = 0;
};
