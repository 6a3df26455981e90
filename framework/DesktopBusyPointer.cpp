#include "framework/DesktopBusyPointer.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>

namespace {

// Swallows mouse and keyboard events while it is installed.
class InputSink : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride: return true;
        default: return false;
        }
    }
};

} // namespace

void DesktopBusyPointer::showWait()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void DesktopBusyPointer::restore()
{
    QApplication::restoreOverrideCursor();
}

void DesktopBusyPointer::discardInput()
{
    if (!QCoreApplication::instance())
        return;
    InputSink sink;
    QCoreApplication::instance()->installEventFilter(&sink);
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    QCoreApplication::instance()->removeEventFilter(&sink);
}
