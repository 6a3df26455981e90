#pragma once

#include "framework/MenuBuilder.h"
#include "framework/PopupMenu.h"

#include <cstdint>
#include <span>

class QMenu;
class QMenuBar;

// A menu bar built from a menu resource, each item showing the key of the accelerator table that
// sends its command. Choosing an item sends its id; a popup about to open asks for its state first.
class MenuBar {
public:
    using CommandSink = MenuBuilder::CommandSink;
    using StateSource = MenuBuilder::StateSource;

    MenuBar(QMenuBar& bar, const MenuItem& resource, std::span<const Accelerator> keys, CommandSink onCommand,
            StateSource onOpening);

    // The top-level popup at index.
    PopupMenu popup(int index) const;
    // Whether the item with id would be enabled if its popup opened now; a command without an item
    // is always enabled.
    bool isEnabled(uint32_t id) const;

private:
    QMenu* popupHolding(uint32_t id) const;

    QMenuBar& m_bar;
    MenuBuilder m_builder;
};
