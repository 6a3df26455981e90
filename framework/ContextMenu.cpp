#include "framework/ContextMenu.h"

#include "base/ServiceSlot.h"
#include "framework/MenuBuilder.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

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

// Keeps the press that closes a menu by landing outside it, to hand it on to the window under the
// pointer once the menu is gone: the click that dismisses a menu also acts where it lands.
class OutsidePress : public QObject {
public:
    // The widget that popped the menu up takes no replay: a click on it only closes the menu, as a
    // second click on a menu button does.
    OutsidePress() : m_opener(QApplication::widgetAt(QCursor::pos())) { qApp->installEventFilter(this); }
    ~OutsidePress() override { qApp->removeEventFilter(this); }

    void replay()
    {
        if (!m_press)
            return;
        QPoint global = m_press->globalPosition().toPoint();
        QWidget* under = QApplication::widgetAt(global);
        QWindow* target = under ? under->window()->windowHandle() : nullptr;
        if (!target || under == m_opener || under->window()->windowType() == Qt::Popup)
            return;
        // Through the window, which remembers the widget pressed and sends it the release too.
        QPointF local = target->mapFromGlobal(global);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, m_press->button(), m_press->buttons(),
                          m_press->modifiers());
        QCoreApplication::sendEvent(target, &press);
        // A quick click was released before the menu had gone.
        if (m_released) {
            QMouseEvent release(QEvent::MouseButtonRelease, local, global, m_press->button(), Qt::NoButton,
                                m_press->modifiers());
            QCoreApplication::sendEvent(target, &release);
        }
    }

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            QWidget* popup = QApplication::activePopupWidget();
            if (popup && !popup->geometry().contains(mouse->globalPosition().toPoint()))
                m_press.reset(mouse->clone());
        } else if (event->type() == QEvent::MouseButtonRelease && m_press) {
            m_released = true;
        }
        return false;
    }

    QPointer<QWidget> m_opener;
    std::unique_ptr<QMouseEvent> m_press;
    bool m_released = false;
};

} // namespace

void ContextMenu::popUp(const MenuItem& items, Point screen, const CommandSink& onCommand, const StateSource& onOpening)
{
    MenuBuilder builder(onCommand, onOpening);
    QMenu menu;
    builder.build(menu, items);
    if (!g_script) {
        OutsidePress outside;
        menu.exec(QPoint(screen.x, screen.y));
        outside.replay();
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
