#include "framework/PopupMenu.h"

#include <QMenu>

int PopupMenu::positionOf(uint32_t id) const
{
    QList<QAction*> actions = m_popup->actions();
    for (int i = 0; i < actions.size(); ++i)
        if (!actions[i]->menu() && !actions[i]->isSeparator() && actions[i]->data().toUInt() == id)
            return i;
    return -1;
}

void PopupMenu::removeItem(uint32_t id)
{
    int position = positionOf(id);
    if (position < 0)
        return;
    // The item may be the one whose choice is running now.
    QAction* action = m_popup->actions().at(position);
    m_popup->removeAction(action);
    action->deleteLater();
}

QAction* PopupMenu::actionAt(int position) const
{
    QList<QAction*> actions = m_popup->actions();
    return position >= 0 && position < actions.size() ? actions[position] : nullptr;
}

void PopupMenu::insertItem(int position, uint32_t id, const std::string& caption)
{
    auto* action = new QAction(QString::fromStdString(caption), m_popup);
    action->setData(id);
    m_popup->insertAction(actionAt(position), action);
}

void PopupMenu::insertSeparator(int position)
{
    auto* action = new QAction(m_popup);
    action->setSeparator(true);
    m_popup->insertAction(actionAt(position), action);
}

int PopupMenu::count() const
{
    return int(m_popup->actions().size());
}

void PopupMenu::truncate(int position)
{
    QList<QAction*> actions = m_popup->actions();
    for (int i = int(actions.size()) - 1; i >= position; --i) {
        m_popup->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
}

uint32_t PopupMenu::firstId() const
{
    if (!m_popup)
        return 0;
    for (QAction* action : m_popup->actions())
        if (!action->menu() && !action->isSeparator())
            return action->data().toUInt();
    return 0;
}

PopupMenu PopupMenu::submenu(int position) const
{
    QAction* action = actionAt(position);
    return PopupMenu(action ? action->menu() : nullptr);
}

void PopupMenu::prepare() const
{
    emit m_popup->aboutToShow();
}

bool PopupMenu::isEnabled(uint32_t id) const
{
    int position = positionOf(id);
    return position >= 0 && m_popup->actions().at(position)->isEnabled();
}

bool PopupMenu::isEnabledAt(int position) const
{
    QAction* action = actionAt(position);
    return action && action->isEnabled();
}

bool PopupMenu::isChecked(uint32_t id) const
{
    int position = positionOf(id);
    return position >= 0 && m_popup->actions().at(position)->isChecked();
}

std::string PopupMenu::caption(uint32_t id) const
{
    int position = positionOf(id);
    return position >= 0 ? m_popup->actions().at(position)->text().toStdString() : std::string();
}

void PopupMenu::choose(uint32_t id) const
{
    int position = positionOf(id);
    if (position >= 0)
        m_popup->actions().at(position)->trigger();
}
