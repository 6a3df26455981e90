#pragma once

#include <cstdint>
#include <string>

class QAction;
class QMenu;

// One popup of a menu bar, for the items that change while the program runs (recent files, the
// window list). Its items send their ids as commands, like those of the resource.
class PopupMenu {
public:
    explicit PopupMenu(QMenu* popup = nullptr) : m_popup(popup) {}

    bool isValid() const { return m_popup != nullptr; }
    // The position of the item with id, or -1.
    int positionOf(uint32_t id) const;
    void removeItem(uint32_t id);
    // Inserts a command item at position (at the end when position is past it).
    void insertItem(int position, uint32_t id, const std::string& caption);
    void insertSeparator(int position);
    int count() const;
    // The id of the first command item, or 0.
    uint32_t firstId() const;
    // The popup held by the item at position, if that item is a popup.
    PopupMenu submenu(int position) const;

    // Sets the items' state as if the popup were opening now.
    void prepare() const;
    bool isEnabled(uint32_t id) const;
    // Whether the item at position, a command or a submenu, is enabled.
    bool isEnabledAt(int position) const;
    bool isChecked(uint32_t id) const;
    // The item's text, with its key text after a tab.
    std::string caption(uint32_t id) const;
    // Sends the item's command, as choosing it does.
    void choose(uint32_t id) const;
    // Removes every item from position to the end.
    void truncate(int position);

private:
    // The action at position, or null past either end (insertion then appends).
    QAction* actionAt(int position) const;

    QMenu* m_popup;
};
