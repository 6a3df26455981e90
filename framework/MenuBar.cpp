#include "framework/MenuBar.h"

#include "base/ErrorFrame.h"
#include "framework/MenuState.h"
#include "resources/Menus.h"

#include <QMenuBar>

MenuBar::MenuBar(QMenuBar& bar, const MenuItem& resource, std::span<const Accelerator> keys, CommandSink onCommand,
                 StateSource onOpening)
    : m_bar(bar), m_builder(std::move(onCommand), std::move(onOpening))
{
    for (const MenuItem& item : resource.items)
        m_builder.build(*m_bar.addMenu(QString::fromUtf8(item.caption.data(), qsizetype(item.caption.size()))), item,
                        keys);
}

PopupMenu MenuBar::popup(int index) const
{
    QList<QAction*> tops = m_bar.actions();
    return PopupMenu(index >= 0 && index < tops.size() ? tops[index]->menu() : nullptr);
}

QMenu* MenuBar::popupHolding(uint32_t id) const
{
    QList<QMenu*> popups = m_bar.findChildren<QMenu*>();
    for (QMenu* popup : popups)
        if (PopupMenu(popup).positionOf(id) >= 0)
            return popup;
    return nullptr;
}

bool MenuBar::isEnabled(uint32_t id) const
{
    QMenu* popup = popupHolding(id);
    if (!popup)
        return true;
    MenuState state(*popup);
    guardCallback([&] { m_builder.ask(state); });
    return state.isEnabled(id);
}
