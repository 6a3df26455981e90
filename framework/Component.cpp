#include "framework/Component.h"

#include "base/ErrorFrame.h"
#include "core/Aspects.h"
#include "framework/ComponentWidget.h"
#include "framework/WindowGC.h"
#include "pixels/QtGeometry.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QRegion>
#include <QScreen>

namespace Visual {

Component::Component(QWidget* container)
{
    attach(new ComponentWidget(*this, container));
}

Component::~Component()
{
    // The widget stays with its parent until Qt deletes it; it must not call back here.
    if (QWidget* widget = handle()) {
        attach(nullptr);
        delete widget;
    }
}

Point Component::size() const
{
    return {handle()->width(), handle()->height()};
}

void Component::place(const Rect& rect)
{
    handle()->setGeometry(toQRect(rect));
}

void Component::fitWindowTo(Point wanted)
{
    QWidget* self = handle();
    QWidget* frame = self->window();
    for (QWidget* w = self; w; w = w->parentWidget())
        if (auto* child = qobject_cast<QMdiSubWindow*>(w)) {
            frame = child;
            break;
        }
    QRect area;
    if (!frame->isWindow() && frame->parentWidget())
        area = frame->parentWidget()->rect();
    else if (QScreen* screen = frame->screen())
        area = screen->availableGeometry();
    QRect at = frame->geometry();
    QSize size = frame->size() + QSize(wanted.x - self->width(), wanted.y - self->height());
    if (!area.isEmpty())
        size = size.boundedTo(QSize(area.right() + 1 - at.left(), area.bottom() + 1 - at.top()));
    frame->resize(size.expandedTo(frame->minimumSize()));
}

void Component::setFocus()
{
    handle()->setFocus();
}

void Component::passFocusTo(Component& target)
{
    handle()->setFocusProxy(target.handle());
}

void Component::refuseFocus()
{
    handle()->setFocusPolicy(Qt::NoFocus);
}

void Component::invalidate(const Rect& rect)
{
    m_pending.unionRect(rect);
    handle()->update(toQRect(rect));
}

void Component::invalidateAll()
{
    invalidate(Rect::fromSize({}, size()));
}

void Component::scroll(int32_t dx, int32_t dy, const Rect& rect)
{
    // The surface moves with the window, so what stays visible needs no drawing.
    QImage& image = m_surface.image();
    QRect area = toQRect(rect).intersected(image.rect());
    QImage moved = image.copy(area);
    QPainter(&image).drawImage(area.topLeft() + QPoint(dx, dy), moved);
    handle()->scroll(dx, dy, area);
    Rect bounds = toRect(area);
    if (dx > 0)
        invalidate({bounds.left, bounds.top, std::min(bounds.left + dx, bounds.right), bounds.bottom});
    else if (dx < 0)
        invalidate({std::max(bounds.right + dx, bounds.left), bounds.top, bounds.right, bounds.bottom});
    if (dy > 0)
        invalidate({bounds.left, bounds.top, bounds.right, std::min(bounds.top + dy, bounds.bottom)});
    else if (dy < 0)
        invalidate({bounds.left, std::max(bounds.bottom + dy, bounds.top), bounds.right, bounds.bottom});
}

void Component::updateNow()
{
    if (m_pending.isEmpty())
        return;
    Region pending = m_pending;
    m_pending.setEmpty();
    handle()->repaint(pending.qRegion());
}

void Component::track(std::unique_ptr<Tracker> tracker, const MouseEvent& press)
{
    m_tracker = std::move(tracker);
    m_lastPointer = press;
    try {
        m_tracker->sample(press);
        m_tracker->begin();
        m_tracker->sample(press);
        if (m_tracker->continues()) {
            m_tracker->step();
            if (int interval = m_tracker->idleInterval(); interval > 0)
                m_idleTimer.start(interval);
            return;
        }
        m_tracker->end();
    } catch (...) {
        m_tracker.reset();
        throw;
    }
    m_tracker.reset();
}

void Component::advanceGesture(const MouseEvent& state)
{
    m_lastPointer = state;
    // Every way out of a gesture lets go of its tracker.
    std::unique_ptr<Tracker> tracker = std::move(m_tracker);
    guardCallback([&] {
        tracker->sample(state);
        if (tracker->continues()) {
            tracker->step();
            m_tracker = std::move(tracker);
        } else {
            tracker->end();
        }
    });
    if (!m_tracker)
        m_idleTimer.stop();
}

void Component::idleStep()
{
    if (!m_tracker)
        return;
    // The pointer is where it was, the buttons and keys as they were; nothing was pressed anew.
    MouseEvent still = m_lastPointer;
    still.kind = MouseEvent::move;
    still.turn = {};
    advanceGesture(still);
}

bool Component::IdleTicks::tick(Timer&)
{
    m_component.idleStep();
    return false;
}

void Component::dispatchPaint(const Rect& clip)
{
    Region drawn;
    drawn.setRect(clip);
    m_pending.subtract(drawn);
    guardCallback([&] {
        WindowGC gc(m_surface, paintPalette());
        gc.intersectClip(clip);
        paint(gc, clip);
    });
}

void Component::dispatchMouse(const MouseEvent& event)
{
    // A gesture owns the pointer: the wheel waits until it ends.
    if (m_tracker && event.kind == MouseEvent::wheel)
        return;
    if (m_tracker) {
        advanceGesture(event);
        return;
    }
    guardCallback([&] {
        if (MouseController* controller = interfaceFor(this, &aspects::Visual::Component::waitingController))
            controller->mouseEvent(event);
    });
}

void Component::dispatchKey(const KeyEvent& event)
{
    guardCallback([&] {
        if (KeyController* controller = interfaceFor(this, &aspects::Visual::Component::focusedController))
            controller->keyEvent(event);
    });
}

void Component::dispatchResize(Point size)
{
    m_surface.resize(size);
    guardCallback([&] { resized(size); });
}

void Component::paint(GraphicsContext&, const Rect&) {}

} // namespace Visual
