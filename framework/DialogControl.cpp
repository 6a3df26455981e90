#include "framework/DialogControl.h"

#include "base/ErrorFrame.h"
#include "framework/Component.h"
#include "framework/DialogWidgets.h"
#include "pixels/QtGeometry.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <cstdlib>

namespace {

bool isButton(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton ||
           kind == ControlKind::RadioButton || kind == ControlKind::ColorSwatch;
}

bool isLabel(ControlKind kind)
{
    return kind == ControlKind::StaticText || kind == ControlKind::ValueText;
}

} // namespace

DialogControl::DialogControl(const ControlTemplate& layout, QWidget* widget, bool takesFocus)
    : m_id(layout.id), m_kind(layout.kind), m_widget(widget), m_takesFocus(takesFocus)
{
}

Rect DialogControl::rect() const
{
    return toRect(m_widget->geometry());
}

void DialogControl::place(const Rect& rect)
{
    m_widget->setGeometry(toQRect(rect));
    if (m_component)
        m_component->place(Rect::fromSize({}, {rect.width(), rect.height()}));
}

std::string DialogControl::text() const
{
    QString text;
    if (m_kind == ControlKind::Edit)
        text = static_cast<QLineEdit*>(m_widget)->text();
    else if (isLabel(m_kind))
        text = static_cast<QLabel*>(m_widget)->text();
    else if (m_kind == ControlKind::GroupBox)
        text = static_cast<QGroupBox*>(m_widget)->title();
    else if (isButton(m_kind))
        text = static_cast<QAbstractButton*>(m_widget)->text();
    return text.toStdString();
}

void DialogControl::setText(std::string_view text)
{
    QString value = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (m_kind == ControlKind::Edit)
        static_cast<QLineEdit*>(m_widget)->setText(value);
    else if (isLabel(m_kind))
        static_cast<QLabel*>(m_widget)->setText(value);
    else if (m_kind == ControlKind::GroupBox)
        static_cast<QGroupBox*>(m_widget)->setTitle(value);
    else if (isButton(m_kind) && m_kind != ControlKind::ColorSwatch)
        static_cast<QAbstractButton*>(m_widget)->setText(value);
}

std::string DialogControl::selectedText() const
{
    if (m_kind != ControlKind::Edit)
        return {};
    return static_cast<QLineEdit*>(m_widget)->selectedText().toStdString();
}

void DialogControl::setMaxLength(int characters)
{
    if (m_kind == ControlKind::Edit)
        static_cast<QLineEdit*>(m_widget)->setMaxLength(characters);
}

bool DialogControl::isChecked() const
{
    return isButton(m_kind) && static_cast<QAbstractButton*>(m_widget)->isChecked();
}

void DialogControl::setChecked(bool checked)
{
    if (m_kind == ControlKind::RadioButton)
        static_cast<QAbstractButton*>(m_widget)->setChecked(checked);
}

void DialogControl::setColor(ColorRef c)
{
    m_color = c;
    if (m_kind == ControlKind::ColorSwatch)
        static_cast<SwatchButton*>(m_widget)->setColor(QColor(redOf(c), greenOf(c), blueOf(c)));
}

bool DialogControl::isEnabled() const
{
    return m_widget->isEnabled();
}

void DialogControl::setEnabled(bool enabled)
{
    m_widget->setEnabled(enabled);
}

void DialogControl::focus()
{
    m_widget->setFocus(Qt::OtherFocusReason);
    if (m_kind == ControlKind::Edit)
        static_cast<QLineEdit*>(m_widget)->selectAll();
}

QWidget* DialogControl::focusTarget() const
{
    // A component control hands its focus to the component inside it.
    return m_widget->focusProxy() ? m_widget->focusProxy() : m_widget;
}

bool DialogControl::isFocused() const
{
    return m_widget->window()->focusWidget() == focusTarget();
}

void DialogControl::click()
{
    if (isButton(m_kind))
        static_cast<QAbstractButton*>(m_widget)->click();
}

void DialogControl::step(int delta)
{
    if (m_kind != ControlKind::UpDown)
        return;
    auto* buttons = static_cast<UpDownButtons*>(m_widget);
    QToolButton* arrow = delta > 0 ? buttons->up() : buttons->down();
    for (int i = 0; i < std::abs(delta); ++i)
        arrow->click();
}

void DialogControl::clicked()
{
    if (m_clicked)
        m_clicked();
}

void DialogControl::stepped(int delta)
{
    if (m_step)
        m_step(delta);
}

QWidget* DialogControl::componentContainer() const
{
    // Only a template fault of the program asks another kind of control for one.
    if (m_kind != ControlKind::Component)
        fatalError(errorOutOfMemory);
    return m_widget;
}

void DialogControl::adopt(Visual::Component& component)
{
    m_component = &component;
    component.place(Rect::fromSize({}, {m_widget->width(), m_widget->height()}));
    if (m_takesFocus)
        m_widget->setFocusProxy(component.handle());
    else
        component.refuseFocus();
}
