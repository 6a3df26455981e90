#pragma once

#include <cstdint>
#include <functional>
#include <span>

class MenuState;
class QMenu;
struct Accelerator;
struct MenuItem;

// Native menus made from a menu resource, for the menu bar and for menus popped up at a point. Each
// item shows the key of the accelerator table that sends its command; choosing an item sends its id,
// and a popup about to open asks for its state first.
class MenuBuilder {
public:
    using CommandSink = std::function<void(uint32_t)>;
    using StateSource = std::function<void(MenuState&)>;

    MenuBuilder(CommandSink onCommand, StateSource onOpening);

    // Fills popup with the items of item, submenus included.
    void build(QMenu& popup, const MenuItem& item, std::span<const Accelerator> keys = {}) const;
    // Asks for the state of popup and of its submenus, and disables a submenu whose items are all
    // disabled, so that it does not open on nothing. Answers whether any item is enabled.
    bool refresh(QMenu& popup) const;
    // Asks for the state of the items of state's popup.
    void ask(MenuState& state) const;

private:
    CommandSink m_onCommand;
    StateSource m_onOpening;
};
