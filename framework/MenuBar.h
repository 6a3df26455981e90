#pragma once

#include "framework/PopupMenu.h"

#include <cstdint>
#include <functional>
#include <span>

class MenuState;
class QMenu;
class QMenuBar;
struct Accelerator;
struct MenuItem;

// A menu bar built from a menu resource, each item showing the key of the accelerator table that
// sends its command. Choosing an item sends its id; a popup about to open asks for its state first.
class MenuBar {
public:
    using CommandSink = std::function<void(uint32_t)>;
    using StateSource = std::function<void(MenuState&)>;

    MenuBar(QMenuBar& bar, const MenuItem& resource, std::span<const Accelerator> keys, CommandSink onCommand,
            StateSource onOpening);

    // The top-level popup at index.
    PopupMenu popup(int index) const;
    // Whether the item with id would be enabled if its popup opened now; a command without an item
    // is always enabled.
    bool isEnabled(uint32_t id) const;

private:
    QMenu* build(QMenu* popup, const MenuItem& item, std::span<const Accelerator> keys);
    QMenu* popupHolding(uint32_t id) const;
    // Asks for the state of popup and of its submenus, and disables a submenu whose items are all
    // disabled, so that it does not open on nothing. Answers whether any item is enabled.
    bool refresh(QMenu& popup) const;

    QMenuBar& m_bar;
    CommandSink m_onCommand;
    StateSource m_onOpening;
};
