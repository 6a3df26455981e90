#include "framework/MouseOpening.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {

int g_runs = 0;

bool isMouse(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel: return true;
    default: return false;
    }
}

// What a modal dialog holds back from the windows it blocks: the user's input and the close box.
bool isBlocked(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture: return true;
    default: return isMouse(type);
    }
}

// Across windows too: a dialog's drop-down list is a window of its own.
bool within(const QWidget* widget, const QWidget* ancestor)
{
    for (; widget; widget = widget->parentWidget())
        if (widget == ancestor)
            return true;
    return false;
}

// Holds back input from every widget outside the dialog, except the mouse of the open window, for
// as long as it lives.
class InputGate : public QObject {
public:
    InputGate(QDialog& dialog, QWidget& open) : m_dialog(dialog), m_open(&open)
    {
        ++g_runs;
        qApp->installEventFilter(this);
    }
    ~InputGate() override
    {
        qApp->removeEventFilter(this);
        --g_runs;
    }
    InputGate(const InputGate&) = delete;
    InputGate& operator=(const InputGate&) = delete;

    bool eventFilter(QObject* target, QEvent* event) override
    {
        // A message box over the dialog blocks by the platform's own rules, this dialog included.
        if (!target->isWidgetType() || QApplication::activeModalWidget())
            return false;
        auto* widget = static_cast<QWidget*>(target);
        if (event->type() == QEvent::WindowActivate && widget->isWindow())
            keepKeys(widget);
        if (!isBlocked(event->type()))
            return false;
        // Only the dialog and the open window can open a menu meanwhile, so a menu is theirs.
        if (within(widget, &m_dialog) || widget->window()->windowType() == Qt::Popup)
            return false;
        if (m_open && within(widget, m_open) && isMouse(event->type()))
            return false;
        // The close box pressed meanwhile leaves its window open; the program's own closing (at the
        // end of the session) still goes through.
        if (event->type() == QEvent::Close && !event->spontaneous())
            return false;
        event->ignore();
        return true;
    }

private:
    // A click in the open window, or a window raised meanwhile, makes its window the active one:
    // the keys go back to the dialog once the event is done.
    void keepKeys(QWidget* activated)
    {
        if (activated == &m_dialog || activated->windowType() == Qt::Popup)
            return;
        QTimer::singleShot(0, &m_dialog, [dialog = &m_dialog] {
            if (dialog->isVisible())
                dialog->activateWindow();
        });
    }

    QDialog& m_dialog;
    QPointer<QWidget> m_open;
};

} // namespace

int execLeavingOpen(QDialog& dialog, QWidget& open)
{
    InputGate gate(dialog, open);
    dialog.setWindowModality(Qt::NonModal);
    // Kept above the window it picks from, as a dialog of that window would be.
    dialog.winId();
    if (QWindow* handle = dialog.windowHandle())
        handle->setTransientParent(open.window()->windowHandle());
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    loop.exec(QEventLoop::DialogExec);
    if (QWindow* handle = dialog.windowHandle())
        handle->setTransientParent(nullptr);
    return dialog.result();
}

bool leavingOpenRunActive()
{
    return g_runs > 0;
}
