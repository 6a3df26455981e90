#include "framework/ContextMenu.h"

#include "base/ServiceSlot.h"
#include "framework/MenuBuilder.h"

#include <QMenu>

namespace {

ServiceSlot<ContextMenuScript> g_script;

// The enabled command item id in popup or its enabled submenus, or null.
QAction* enabledItem(QMenu& popup, uint32_t id)
{
    for (QAction* action : popup.actions()) {
        if (!action->isEnabled() || action->isSeparator())
            continue;
        if (QMenu* submenu = action->menu()) {
            if (QAction* found = enabledItem(*submenu, id))
                return found;
        } else if (action->data().toUInt() == id) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

void ContextMenu::popUp(const MenuItem& items, Point screen, const CommandSink& onCommand, const StateSource& onOpening)
{
    MenuBuilder builder(onCommand, onOpening);
    QMenu menu;
    builder.build(menu, items);
    if (!g_script) {
        menu.exec(QPoint(screen.x, screen.y));
        return;
    }
    // The script chooses as a person would: among the items the menu shows enabled.
    builder.refresh(menu);
    if (QAction* chosen = enabledItem(menu, g_script->choose(items, screen)))
        chosen->trigger();
}

ContextMenuScript* installContextMenuScript(ContextMenuScript* next)
{
    return g_script.install(next);
}
