#include "framework/MenuBar.h"

#include "base/ErrorFrame.h"
#include "framework/MenuState.h"
#include "resources/Accelerators.h"
#include "resources/Menus.h"

#include <QMenuBar>

MenuBar::MenuBar(QMenuBar& bar, const MenuItem& resource, std::span<const Accelerator> keys, CommandSink onCommand,
                 StateSource onOpening)
    : m_bar(bar), m_onCommand(std::move(onCommand)), m_onOpening(std::move(onOpening))
{
    for (const MenuItem& item : resource.items)
        build(m_bar.addMenu(QString::fromUtf8(item.caption.data(), qsizetype(item.caption.size()))), item, keys);
}

QMenu* MenuBar::build(QMenu* popup, const MenuItem& item, std::span<const Accelerator> keys)
{
    for (const MenuItem& child : item.items) {
        QString caption = QString::fromUtf8(child.caption.data(), qsizetype(child.caption.size()));
        if (child.isPopup()) {
            build(popup->addMenu(caption), child, keys);
        } else if (child.isSeparator()) {
            popup->addSeparator();
        } else {
            // The key is shown after a tab, as menus show them; the frame's key filter sends it.
            std::string key = acceleratorTextFor(keys, child.id);
            QAction* action = popup->addAction(key.empty() ? caption : caption + "\t" + QString::fromStdString(key));
            action->setData(child.id);
        }
    }
    QObject::connect(popup, &QMenu::triggered, popup, [this, popup](QAction* action) {
        // A submenu's item reaches every menu above it too; only its own popup sends it.
        if (popup->actions().contains(action) && !action->menu() && !action->isSeparator())
            guardCallback([&] { m_onCommand(action->data().toUInt()); });
    });
    QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup] { guardCallback([&] { refresh(*popup); }); });
    return popup;
}

bool MenuBar::refresh(QMenu& popup) const
{
    MenuState state(popup);
    m_onOpening(state);
    bool anyEnabled = false;
    for (QAction* action : popup.actions()) {
        if (QMenu* submenu = action->menu())
            action->setEnabled(refresh(*submenu));
        anyEnabled = anyEnabled || (!action->isSeparator() && action->isEnabled());
    }
    return anyEnabled;
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
    guardCallback([&] { m_onOpening(state); });
    return state.isEnabled(id);
}
