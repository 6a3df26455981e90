#include "framework/ModalDialog.h"

#include "base/ErrorFrame.h"
#include "base/ServiceSlot.h"
#include "framework/DialogPage.h"
#include "framework/MouseOpening.h"
#include "framework/NativeDialog.h"
#include "framework/Window.h"

#include <QApplication>
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
    m_pages.clear();
    delete m_native;
}

DialogPage& ModalDialog::addPage(const DialogTemplate& layout, QWidget* parent)
{
    m_pages.push_back(std::make_unique<DialogPage>(layout, parent));
    return *m_pages.back();
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
    auto remembered = rememberedPlaces().find(m_placeKey);
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
