#include "framework/DialogPage.h"

#include "base/ErrorFrame.h"
#include "framework/DialogWidgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <cmath>
#include <string_view>
#include <utility>

namespace {

QWidget* makeWidget(const ControlTemplate& layout, QWidget* parent)
{
    QString text = QString::fromUtf8(layout.text);
    switch (layout.kind) {
    case ControlKind::StaticText: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::ValueText: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMargin(2);
        return label;
    }
    case ControlKind::GroupBox: return new QGroupBox(text, parent);
    case ControlKind::Edit: return new QLineEdit(text, parent);
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setDefault(layout.kind == ControlKind::DefaultPushButton);
        return button;
    }
    case ControlKind::RadioButton: return new QRadioButton(text, parent);
    case ControlKind::UpDown: return new UpDownButtons(parent);
    case ControlKind::ColorSwatch: return new SwatchButton(parent);
    case ControlKind::Component:
        // The place only; the dialog's code puts its component inside.
        return new QWidget(parent);
    case ControlKind::ComboBox: {
        auto* box = new QComboBox(parent);
        box->setEditable(false);
        return box;
    }
    case ControlKind::TrackBar: {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        slider->setTickPosition(QSlider::TicksBelow);
        return slider;
    }
    }
    return new QWidget(parent);
}

bool isButton(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton ||
           kind == ControlKind::RadioButton || kind == ControlKind::ColorSwatch;
}

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox || kind == ControlKind::TrackBar ||
           isButton(kind);
}

// Shift or Ctrl held on an up-down's arrow makes its click a page step.
bool pageHeld()
{
    return QApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
}

} // namespace

const DialogTemplate& requiredDialogTemplate(std::string_view name)
{
    const DialogTemplate* layout = findDialogTemplate(name);
    if (!layout)
        fatalError(errorOutOfMemory);
    return *layout;
}

DialogPage::DialogPage(const DialogTemplate& layout, QWidget* parent, Focus focus) : m_template(layout)
{
    // A dialog unit is a quarter of the font's average character width and an eighth of its height,
    // so that the layout grows with the font.
    QFontMetricsF metrics(parent->font());
    m_unitX =
        layout.pixels ? 1 : metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52 / 4;
    m_unitY = layout.pixels ? 1 : metrics.height() / 8;

    QButtonGroup* radios = nullptr;
    QLabel* mnemonicLabel = nullptr;
    for (const ControlTemplate& c : layout.controls) {
        QWidget* widget = makeWidget(c, parent);
        // A label's "&" letter shows underlined and, with Alt, takes the focus to the control after it.
        if (mnemonicLabel)
            std::exchange(mnemonicLabel, nullptr)->setBuddy(widget);
        if (c.kind == ControlKind::StaticText && std::string_view(c.text).find('&') != std::string_view::npos)
            mnemonicLabel = static_cast<QLabel*>(widget);
        int left = int(std::lround(c.x * m_unitX));
        int top = int(std::lround(c.y * m_unitY));
        widget->setGeometry(left, top, int(std::lround((c.x + c.width) * m_unitX)) - left,
                            int(std::lround((c.y + c.height) * m_unitY)) - top);
        if (focus == Focus::refused)
            widget->setFocusPolicy(Qt::NoFocus);
        m_controls.push_back(std::unique_ptr<DialogControl>(new DialogControl(c, widget, focus == Focus::taken)));
        DialogControl* control = m_controls.back().get();

        if (c.kind == ControlKind::RadioButton) {
            if (c.groupStart || !radios) {
                radios = new QButtonGroup(parent);
                radios->setExclusive(true);
            }
            radios->addButton(static_cast<QRadioButton*>(widget));
        }
        if (c.kind == ControlKind::UpDown) {
            auto* buttons = static_cast<UpDownButtons*>(widget);
            QObject::connect(buttons->up(), &QToolButton::clicked, widget,
                             [control] { guardCallback([&] { control->stepped(+1, pageHeld()); }); });
            QObject::connect(buttons->down(), &QToolButton::clicked, widget,
                             [control] { guardCallback([&] { control->stepped(-1, pageHeld()); }); });
            buttons->onWheel([control](int delta, bool page) { control->stepped(delta, page); });
        } else if (c.kind == ControlKind::ComboBox) {
            QObject::connect(static_cast<QComboBox*>(widget), &QComboBox::activated, widget,
                             [control](int index) { guardCallback([&] { control->selected(index); }); });
        } else if (c.kind == ControlKind::TrackBar) {
            // The value reports drags, keys and clicks in the groove alike; moved() leaves out the program's.
            QObject::connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, widget,
                             [control](int position) { guardCallback([&] { control->moved(position); }); });
        } else if (isButton(c.kind)) {
            QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, widget,
                             [control] { guardCallback([&] { control->clicked(); }); });
        }
    }
}

DialogPage::~DialogPage()
{
    // Adaptors leave their models before the controls they show go.
    m_adaptors.clear();
}

DialogControl* DialogPage::control(int id) const
{
    for (const auto& c : m_controls)
        if (c->id() == id)
            return c.get();
    return nullptr;
}

DialogControl& DialogPage::existing(int id) const
{
    DialogControl* c = control(id);
    if (!c)
        fatalError(errorOutOfMemory);
    return *c;
}

DialogControl* DialogPage::firstRefusing() const
{
    for (const auto& c : m_controls)
        for (const auto& adaptor : m_adaptors)
            if (&adaptor->control() == c.get() && !adaptor->validate())
                return c.get();
    return nullptr;
}

void DialogPage::commit()
{
    for (const auto& c : m_controls)
        for (const auto& adaptor : m_adaptors)
            if (&adaptor->control() == c.get())
                adaptor->commit();
}

DialogControl* DialogPage::initialFocus() const
{
    // A focused plain push button is what Enter presses, so the dialog opens on the first other
    // control, where Enter means the default button; on a plain button only when there is nothing else.
    DialogControl* button = nullptr;
    for (const auto& c : m_controls) {
        if (!takesFocus(c->kind()) || !c->isEnabled())
            continue;
        if (c->kind() != ControlKind::PushButton)
            return c.get();
        if (!button)
            button = c.get();
    }
    return button;
}

DialogControl* DialogPage::focusedControl() const
{
    for (const auto& c : m_controls)
        if (c->isFocused())
            return c.get();
    return nullptr;
}

Point DialogPage::contentExtent() const
{
    Point extent;
    for (const auto& c : m_controls) {
        Rect r = c->rect();
        extent = {std::max(extent.x, r.right), std::max(extent.y, r.bottom)};
    }
    return extent;
}

int DialogPage::pixelWidth() const
{
    return int(std::lround(m_template.width * m_unitX));
}

int DialogPage::pixelHeight() const
{
    return int(std::lround(m_template.height * m_unitY));
}
