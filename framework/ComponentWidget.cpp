#include "framework/ComponentWidget.h"

#include "framework/Component.h"
#include "framework/KeyMap.h"
#include "pixels/QtGeometry.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

#include <utility>

using Visual::KeyEvent;
using Visual::MouseEvent;

ComponentWidget::ComponentWidget(Visual::Component& component, QWidget* parent)
    : QWidget(parent), m_component(component)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ComponentWidget::paintEvent(QPaintEvent* event)
{
    // A few thin bands (a blinking outline) are drawn one by one rather than as the area they span;
    // a region of many pieces costs less as one rectangle.
    constexpr int mostPieces = 64;
    const QRegion& region = event->region();
    QPainter screen(this);
    auto draw = [&](const QRect& area) {
        m_component.dispatchPaint(toRect(area));
        screen.drawImage(area, m_component.surface().image(), area);
    };
    if (region.rectCount() > mostPieces) {
        draw(event->rect());
        return;
    }
    for (const QRect& area : region)
        draw(area);
}

void ComponentWidget::resizeEvent(QResizeEvent* event)
{
    m_component.dispatchResize({event->size().width(), event->size().height()});
}

void ComponentWidget::sendMouse(const QSinglePointEvent* event, int kind, Point turn)
{
    Qt::KeyboardModifiers modifiers = event->modifiers();
    Qt::MouseButtons buttons = event->buttons();
    QPoint at = event->position().toPoint();
    m_component.dispatchMouse({MouseEvent::Kind(kind),
                               {at.x(), at.y()},
                               bool(modifiers & Qt::ShiftModifier),
                               bool(modifiers & Qt::ControlModifier),
                               bool(buttons & Qt::LeftButton),
                               bool(buttons & Qt::RightButton),
                               turn});
}

void ComponentWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        sendMouse(event, event->button() == Qt::LeftButton ? MouseEvent::leftDown : MouseEvent::rightDown);
}

void ComponentWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        sendMouse(event, event->button() == Qt::LeftButton ? MouseEvent::leftUp : MouseEvent::rightUp);
}

void ComponentWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        sendMouse(event, event->button() == Qt::LeftButton ? MouseEvent::leftDouble : MouseEvent::rightDouble);
}

void ComponentWidget::mouseMoveEvent(QMouseEvent* event)
{
    sendMouse(event, MouseEvent::move);
}

void ComponentWidget::wheelEvent(QWheelEvent* event)
{
    QPoint turn = event->angleDelta();
    sendMouse(event, MouseEvent::wheel, {turn.x(), turn.y()});
}

void ComponentWidget::keyPressEvent(QKeyEvent* event)
{
    Qt::KeyboardModifiers modifiers = event->modifiers();
    bool shift = modifiers & Qt::ShiftModifier, control = modifiers & Qt::ControlModifier;
    uint32_t key = keyNumber(event->key(), modifiers & Qt::KeypadModifier);
    bool repeat = event->isAutoRepeat() && m_keysDown.count(key);
    m_keysDown.insert(key);
    m_component.dispatchKey({repeat ? KeyEvent::repeat : KeyEvent::down, key, event->count(), "", shift, control});
    if (!event->text().isEmpty() && event->text().at(0).isPrint())
        m_component.dispatchKey({KeyEvent::character, 0, 1, event->text().toStdString(), shift, control});
}

void ComponentWidget::keyReleaseEvent(QKeyEvent* event)
{
    // Auto-repeat sends releases between the repeats; only the last one lets go of the key.
    Qt::KeyboardModifiers modifiers = event->modifiers();
    uint32_t key = keyNumber(event->key(), modifiers & Qt::KeypadModifier);
    if (event->isAutoRepeat() || !m_keysDown.erase(key))
        return;
    m_component.dispatchKey(
        {KeyEvent::up, key, 1, "", bool(modifiers & Qt::ShiftModifier), bool(modifiers & Qt::ControlModifier)});
}

void ComponentWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    for (uint32_t key : std::exchange(m_keysDown, {}))
        m_component.dispatchKey({KeyEvent::up, key, 1, "", false, false});
}
