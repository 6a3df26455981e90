#include "framework/DialogWidgets.h"

#include "base/ErrorFrame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWheelEvent>

#include <cstdlib>

SwatchButton::SwatchButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SwatchButton::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void SwatchButton::paintEvent(QPaintEvent*)
{
    guardCallback([&] {
        QPainter painter(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.lineWidth = 1;
        frame.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_FrameButtonBevel, &frame, &painter, this);
        QRect inside = rect().adjusted(3, 3, -3, -3);
        painter.fillRect(inside, m_color);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(inside.adjusted(0, 0, -1, -1));
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(1, 1, -1, -1);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    });
}

UpDownButtons::UpDownButtons(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    for (QToolButton* button : {m_up, m_down}) {
        // Holding an arrow keeps stepping, and the focus stays in the field beside it.
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(7, 7));
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
}

void UpDownButtons::resizeEvent(QResizeEvent*)
{
    int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void UpDownButtons::wheelEvent(QWheelEvent* event)
{
    event->accept();
    m_pendingTurn += event->angleDelta().y();
    bool page = event->modifiers() & Qt::ControlModifier;
    // A notch is 120; a finer wheel steps once its turns add up to one.
    while (std::abs(m_pendingTurn) >= 120) {
        int delta = m_pendingTurn > 0 ? +1 : -1;
        m_pendingTurn -= delta * 120;
        if (m_wheel)
            guardCallback([&] { m_wheel(delta, page); });
    }
}
