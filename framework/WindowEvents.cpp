#include "framework/WindowEvents.h"

#include "framework/Window.h"

#include <QCloseEvent>
#include <QWidget>

namespace {

class Filter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        Window* window = Window::lookup(static_cast<QWidget*>(watched));
        if (!window)
            return false;
        switch (event->type()) {
        case QEvent::Close:
            if (!window->dispatchClose()) {
                event->ignore();
                return true;
            }
            return false;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            window->dispatchActivation(event->type() == QEvent::WindowActivate);
            return false;
        default: return false;
        }
    }
};

Filter& filter()
{
    static Filter instance;
    return instance;
}

} // namespace

namespace WindowEvents {

void watch(QWidget* handle)
{
    handle->installEventFilter(&filter());
    QObject::connect(handle, &QObject::destroyed, &filter(), [handle] {
        if (Window* window = Window::lookup(handle))
            window->dispatchDestroyed();
    });
}

void unwatch(QWidget* handle)
{
    handle->removeEventFilter(&filter());
    QObject::disconnect(handle, &QObject::destroyed, &filter(), nullptr);
}

} // namespace WindowEvents
