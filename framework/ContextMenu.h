#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <functional>

class MenuState;
struct MenuItem;

// A menu resource's items popped up at a point of the screen, as a panel's menu or a button's
// submenu. The items ask for their state before they show; the one chosen is sent as a command.
class ContextMenu {
public:
    using CommandSink = std::function<void(uint32_t)>;
    using StateSource = std::function<void(MenuState&)>;

    // Shows items (the popups of a resource, or one popup's) at screen and returns once the menu
    // has closed, after the chosen command, if any, was sent.
    static void popUp(const MenuItem& items, Point screen, const CommandSink& onCommand,
                      const StateSource& onOpening = {});
};

// Stands in for the person in front of a popped-up menu. Tests install one; it is told what
// popped up where, and answers the id to choose, or 0 for none.
class ContextMenuScript {
public:
    virtual uint32_t choose(const MenuItem& items, Point screen) = 0;

protected:
    ~ContextMenuScript() = default;
};

ContextMenuScript* installContextMenuScript(ContextMenuScript* script);
