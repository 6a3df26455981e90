#pragma once

#include "framework/Window.h"

class MDIWorkSpace;

// A small tool window that floats above the frame: movable, closable (closing hides it), and shown
// or hidden with the frame's commands.
class FloatingPanel : public Window {
public:
    FloatingPanel(MDIWorkSpace& frame, const std::string& title, Point size);

    Point position() const;
    void moveTo(Point p);
    void setShown(bool shown);
    // The panel's content area.
    QWidget* client() const { return handle(); }
};
