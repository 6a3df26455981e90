#include "framework/ModalDialog.h"

#include "base/ErrorFrame.h"
#include "base/ServiceSlot.h"
#include "framework/DialogPage.h"
#include "framework/KeyMap.h"
#include "framework/MouseOpening.h"
#include "framework/NativeDialog.h"
#include "framework/Window.h"
#include "resources/Accelerators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <map>

namespace {

ServiceSlot<ModalScript> g_script;

// Where each dialog was when it last closed, by its place key.
std::map<std::string, QPoint>& rememberedPlaces()
{
    static std::map<std::string, QPoint> places;
    return places;
}

// Hands the keys pressed in one dialog's window to its key hook before the widget they are for.
class DialogKeyFilter : public QObject {
public:
    DialogKeyFilter(const QWidget& window, const std::function<bool(uint32_t, uint8_t)>& hook)
        : m_window(window), m_hook(hook)
    {
        QApplication::instance()->installEventFilter(this);
    }
    ~DialogKeyFilter() override
    {
        if (QApplication::instance())
            QApplication::instance()->removeEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || !m_hook)
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        // A key its widget leaves goes on to the parent and through this filter again; it was heard.
        if (event == m_heard && widget == m_nextInChain) {
            m_nextInChain = widget->parentWidget();
            return false;
        }
        // An open drop-down list is a window of its own, and its keys stay with it.
        if (widget->window() != &m_window)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        uint32_t number = dialogKeyNumber(key->key(), key->modifiers() & Qt::KeypadModifier);
        if (!number)
            return false;
        m_heard = event;
        m_nextInChain = widget->parentWidget();
        Qt::KeyboardModifiers held = key->modifiers();
        uint8_t modifiers = uint8_t((held & Qt::ShiftModifier ? Accelerator::shift : 0) |
                                    (held & Qt::ControlModifier ? Accelerator::control : 0) |
                                    (held & Qt::AltModifier ? Accelerator::alt : 0));
        bool eaten = false;
        guardCallback([&] { eaten = m_hook(number, modifiers); });
        if (eaten)
            event->accept();
        return eaten;
    }

private:
    const QWidget& m_window;
    const std::function<bool(uint32_t, uint8_t)>& m_hook;
    // The last key heard and the widget it reaches next if nobody takes it; compared, never used.
    const QEvent* m_heard = nullptr;
    const QWidget* m_nextInChain = nullptr;
};

} // namespace

ModalScript* installModalScript(ModalScript* script)
{
    return g_script.install(script);
}

ModalDialog::ModalDialog(std::string placeKey) : m_placeKey(std::move(placeKey)), m_native(new NativeDialog(*this))
{
    m_native->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

ModalDialog::~ModalDialog()
{
    m_keyFilter.reset();
    m_pages.clear();
    delete m_native;
}

DialogPage& ModalDialog::addPage(const DialogTemplate& layout, QWidget* parent)
{
    m_pages.push_back(std::make_unique<DialogPage>(layout, parent));
    return *m_pages.back();
}

void ModalDialog::onKey(std::function<bool(uint32_t, uint8_t)> handler)
{
    m_key = std::move(handler);
    if (!m_keyFilter)
        m_keyFilter = std::make_unique<DialogKeyFilter>(*m_native, m_key);
}

bool ModalDialog::isOpen() const
{
    return m_native->isVisible();
}

std::string ModalDialog::caption() const
{
    return m_native->windowTitle().toStdString();
}

DialogControl* ModalDialog::focusedControl() const
{
    for (const auto& page : m_pages)
        if (DialogControl* focused = page->focusedControl())
            return focused;
    return nullptr;
}

int ModalDialog::runModal()
{
    m_result = -1;
    if (!m_pages.empty()) {
        showPage(0);
        if (DialogControl* first = m_pages.front()->initialFocus())
            first->focus();
    }
    auto remembered = m_remembersPlace ? rememberedPlaces().find(m_placeKey) : rememberedPlaces().end();
    if (remembered != rememberedPlaces().end()) {
        m_native->move(remembered->second);
    } else if (QWidget* owner = QApplication::activeWindow()) {
        m_native->adjustSize();
        m_native->move(owner->geometry().center() - m_native->rect().center());
    }
    if (g_script) {
        ModalScript* script = g_script.get();
        QTimer::singleShot(0, m_native, [this, script] {
            guardCallback([&] { script->run(*this); });
            if (isOpen())
                guardCallback([&] { endModal(cancelButtonId); });
        });
    }
    if (QWidget* open = m_openToMouse ? m_openToMouse->handle() : nullptr)
        execLeavingOpen(*m_native, *open);
    else
        m_native->exec();
    if (m_remembersPlace)
        rememberedPlaces()[m_placeKey] = m_native->pos();
    return m_result;
}

void ModalDialog::endModal(int result)
{
    if (result == okButtonId) {
        for (int i = 0; i < pageCount(); ++i) {
            if (DialogControl* refusing = m_pages[size_t(i)]->firstRefusing()) {
                showPage(i);
                refusing->focus();
                QApplication::beep();
                return;
            }
        }
        for (const auto& page : m_pages)
            page->commit();
    }
    m_result = result;
    m_native->finish(result);
}
