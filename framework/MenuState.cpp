#include "framework/MenuState.h"

#include <QMenu>

namespace {

uint32_t idOf(const QAction* action)
{
    return action->menu() || action->isSeparator() ? 0 : action->data().toUInt();
}

QAction* find(const QMenu& popup, uint32_t id)
{
    for (QAction* action : popup.actions())
        if (idOf(action) == id)
            return action;
    return nullptr;
}

} // namespace

uint32_t MenuState::firstId() const
{
    for (QAction* action : m_popup.actions())
        if (uint32_t id = idOf(action))
            return id;
    return 0;
}

std::vector<uint32_t> MenuState::ids() const
{
    std::vector<uint32_t> ids;
    for (QAction* action : m_popup.actions())
        if (uint32_t id = idOf(action))
            ids.push_back(id);
    return ids;
}

bool MenuState::contains(uint32_t id) const
{
    return find(m_popup, id) != nullptr;
}

void MenuState::enable(uint32_t id, bool enabled)
{
    if (QAction* action = find(m_popup, id))
        action->setEnabled(enabled);
}

void MenuState::enableAll(bool enabled)
{
    for (uint32_t id : ids())
        enable(id, enabled);
}

void MenuState::check(uint32_t id, bool checked)
{
    if (QAction* action = find(m_popup, id)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void MenuState::checkAll(bool checked)
{
    for (uint32_t id : ids())
        if (QAction* action = find(m_popup, id); action->isCheckable())
            action->setChecked(checked);
}

bool MenuState::isEnabled(uint32_t id) const
{
    QAction* action = find(m_popup, id);
    return action && action->isEnabled();
}

bool MenuState::isChecked(uint32_t id) const
{
    QAction* action = find(m_popup, id);
    return action && action->isChecked();
}
