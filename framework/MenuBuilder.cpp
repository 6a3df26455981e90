#include "framework/MenuBuilder.h"

#include "base/ErrorFrame.h"
#include "framework/MenuState.h"
#include "resources/Accelerators.h"
#include "resources/Menus.h"

#include <QMenu>

MenuBuilder::MenuBuilder(CommandSink onCommand, StateSource onOpening)
    : m_onCommand(std::move(onCommand)), m_onOpening(std::move(onOpening))
{
}

void MenuBuilder::build(QMenu& popup, const MenuItem& item, std::span<const Accelerator> keys) const
{
    for (const MenuItem& child : item.items) {
        QString caption = QString::fromUtf8(child.caption.data(), qsizetype(child.caption.size()));
        if (child.isPopup()) {
            build(*popup.addMenu(caption), child, keys);
        } else if (child.isSeparator()) {
            popup.addSeparator();
        } else {
            // The key is shown after a tab, as menus show them; the frame's key filter sends it.
            std::string key = acceleratorTextFor(keys, child.id);
            QAction* action = popup.addAction(key.empty() ? caption : caption + "\t" + QString::fromStdString(key));
            action->setData(child.id);
        }
    }
    QMenu* menu = &popup;
    QObject::connect(menu, &QMenu::triggered, menu, [this, menu](QAction* action) {
        // A submenu's item reaches every menu above it too; only its own popup sends it.
        if (menu->actions().contains(action) && !action->menu() && !action->isSeparator())
            guardCallback([&] { m_onCommand(action->data().toUInt()); });
    });
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { guardCallback([&] { refresh(*menu); }); });
}

bool MenuBuilder::refresh(QMenu& popup) const
{
    MenuState state(popup);
    ask(state);
    bool anyEnabled = false;
    for (QAction* action : popup.actions()) {
        if (QMenu* submenu = action->menu())
            action->setEnabled(refresh(*submenu));
        anyEnabled = anyEnabled || (!action->isSeparator() && action->isEnabled());
    }
    return anyEnabled;
}

void MenuBuilder::ask(MenuState& state) const
{
    if (m_onOpening)
        m_onOpening(state);
}
