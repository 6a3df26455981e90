#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// One item of a menu resource: a command with its caption, a popup with its own items, or a
// separator (no id, no items).
struct MenuItem {
    MenuItem(uint32_t id = 0, std::string_view caption = {}, std::vector<MenuItem> items = {})
        : id(id), caption(caption), items(std::move(items))
    {
    }

    uint32_t id;
    std::string_view caption;
    std::vector<MenuItem> items;

    bool isPopup() const { return !items.empty(); }
    bool isSeparator() const { return id == 0 && items.empty(); }
};

// MAIN_MENU: its items are the top-level popups, File first and Window sixth.
const MenuItem& mainMenu();
// The small menus of the panels and their buttons ("TOOL_MENU", "INFO_MENU", ...), or null.
const MenuItem* findMenu(std::string_view name);

namespace menus {
// The top-level popup that lists the document windows.
constexpr int windowMenuIndex = 5;
} // namespace menus
