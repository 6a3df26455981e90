#pragma once

#include <cstdint>
#include <vector>

class QMenu;

// The items of one popup that is about to open, for the command handlers to enable and check. The
// popup is known by the id of its first command.
class MenuState {
public:
    explicit MenuState(QMenu& popup) : m_popup(popup) {}

    uint32_t firstId() const;
    std::vector<uint32_t> ids() const;
    bool contains(uint32_t id) const;

    void enable(uint32_t id, bool enabled);
    void enableAll(bool enabled);
    // Makes the item a check item and sets its mark.
    void check(uint32_t id, bool checked);
    void checkAll(bool checked);

    bool isEnabled(uint32_t id) const;
    bool isChecked(uint32_t id) const;

private:
    QMenu& m_popup;
};
