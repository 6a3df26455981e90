#include "framework/DialogControl.h"

#include "base/ErrorFrame.h"
#include "framework/Component.h"
#include "framework/DialogWidgets.h"
#include "pixels/QtGeometry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <cstdlib>
#include <utility>

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
    else if (m_kind == ControlKind::ComboBox)
        text = static_cast<QComboBox*>(m_widget)->currentText();
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

void DialogControl::pageStep(int delta)
{
    if (m_kind != ControlKind::UpDown || !m_widget->isEnabled())
        return;
    for (int i = 0; i < std::abs(delta); ++i)
        guardCallback([&] { stepped(delta > 0 ? +1 : -1, true); });
}

void DialogControl::setItems(const std::vector<std::string>& items)
{
    if (m_kind != ControlKind::ComboBox)
        return;
    auto* box = static_cast<QComboBox*>(m_widget);
    box->clear();
    for (const std::string& item : items)
        box->addItem(QString::fromStdString(item));
    // Adding to an empty box makes its first item current; the caller chooses instead.
    box->setCurrentIndex(-1);
}

int DialogControl::itemCount() const
{
    return m_kind == ControlKind::ComboBox ? static_cast<QComboBox*>(m_widget)->count() : 0;
}

std::string DialogControl::itemText(int index) const
{
    if (m_kind != ControlKind::ComboBox)
        return {};
    return static_cast<QComboBox*>(m_widget)->itemText(index).toStdString();
}

int DialogControl::currentIndex() const
{
    return m_kind == ControlKind::ComboBox ? static_cast<QComboBox*>(m_widget)->currentIndex() : -1;
}

void DialogControl::setCurrentIndex(int index)
{
    if (m_kind == ControlKind::ComboBox)
        static_cast<QComboBox*>(m_widget)->setCurrentIndex(index);
}

void DialogControl::select(int index)
{
    if (m_kind != ControlKind::ComboBox || !m_widget->isEnabled() || index < 0 || index >= itemCount())
        return;
    static_cast<QComboBox*>(m_widget)->setCurrentIndex(index);
    guardCallback([&] { selected(index); });
}

void DialogControl::setRange(int minimum, int maximum, int pageStep)
{
    if (m_kind != ControlKind::TrackBar)
        return;
    auto* slider = static_cast<QSlider*>(m_widget);
    bool setting = std::exchange(m_settingPosition, true);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(pageStep);
    m_settingPosition = setting;
}

int DialogControl::position() const
{
    return m_kind == ControlKind::TrackBar ? static_cast<QSlider*>(m_widget)->value() : 0;
}

void DialogControl::setPosition(int position)
{
    if (m_kind != ControlKind::TrackBar)
        return;
    bool setting = std::exchange(m_settingPosition, true);
    static_cast<QSlider*>(m_widget)->setValue(position);
    m_settingPosition = setting;
}

void DialogControl::slide(int position)
{
    // The slider reports the change as it reports a drag, through its page's connection.
    if (m_kind == ControlKind::TrackBar && m_widget->isEnabled())
        static_cast<QSlider*>(m_widget)->setValue(position);
}

void DialogControl::clicked()
{
    if (m_clicked)
        m_clicked();
}

void DialogControl::stepped(int delta, bool page)
{
    if (page && m_pageStep)
        m_pageStep(delta);
    else if (m_step)
        m_step(delta);
}

void DialogControl::selected(int index)
{
    if (m_selected)
        m_selected(index);
}

void DialogControl::moved(int position)
{
    if (!m_settingPosition && m_moved)
        m_moved(position);
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
