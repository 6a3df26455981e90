#include "framework/AcceleratorFilter.h"

#include "base/ErrorFrame.h"
#include "framework/Application.h"
#include "framework/KeyMap.h"
#include "resources/Accelerators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

uint8_t modifiersOf(Qt::KeyboardModifiers modifiers)
{
    return uint8_t((modifiers & Qt::ShiftModifier ? Accelerator::shift : 0) |
                   (modifiers & Qt::ControlModifier ? Accelerator::control : 0) |
                   (modifiers & Qt::AltModifier ? Accelerator::alt : 0));
}

bool isTextInput(const QWidget* widget)
{
    return widget && (widget->inherits("QLineEdit") || widget->inherits("QAbstractSpinBox") ||
                      widget->inherits("QTextEdit") || widget->inherits("QPlainTextEdit"));
}

class KeyFilter : public QObject {
public:
    KeyFilter(QWidget& frame, std::span<const Accelerator> table, AcceleratorFilter::CommandSink send)
        : m_frame(frame), m_table(table), m_send(std::move(send))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // A key with Alt that no entry takes goes on to the menu bar's mnemonics.
        if (!belongsToFrame(static_cast<QWidget*>(watched)))
            return false;
        std::string text = key->text().toStdString();
        uint32_t command = AcceleratorFilter::translate(
            m_table, keyNumber(key->key(), key->modifiers() & Qt::KeypadModifier), modifiersOf(key->modifiers()), text);
        if (!command)
            return false;
        guardCallback([&] { m_send(command); });
        return true;
    }

private:
    bool belongsToFrame(QWidget* widget) const
    {
        if (Application::isModalOpen() || isTextInput(QApplication::focusWidget()))
            return false;
        QWidget* top = widget->window();
        return top == &m_frame || (top->windowType() == Qt::Tool && top->parentWidget() == &m_frame);
    }

    QWidget& m_frame;
    std::span<const Accelerator> m_table;
    AcceleratorFilter::CommandSink m_send;
};

} // namespace

AcceleratorFilter::AcceleratorFilter(QWidget& frame, std::span<const Accelerator> table, CommandSink send)
    : m_filter(std::make_unique<KeyFilter>(frame, table, std::move(send)))
{
    QApplication::instance()->installEventFilter(m_filter.get());
}

AcceleratorFilter::~AcceleratorFilter()
{
    if (QApplication::instance())
        QApplication::instance()->removeEventFilter(m_filter.get());
}

uint32_t AcceleratorFilter::translate(std::span<const Accelerator> table, uint32_t key, uint8_t modifiers,
                                      std::string_view text)
{
    for (const Accelerator& accelerator : table) {
        // A character entry matches what was typed, whatever it took to type it, but for Ctrl and Alt.
        bool matches = accelerator.character ? text.size() == 1 && uint8_t(text[0]) == accelerator.key &&
                                                   !(modifiers & (Accelerator::control | Accelerator::alt))
                                             : key == accelerator.key && modifiers == accelerator.modifiers;
        if (matches)
            return accelerator.command;
    }
    return 0;
}
