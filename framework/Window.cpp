#include "framework/Window.h"

#include "core/Aspects.h"
#include "formats/ErrorFrame.h"
#include "framework/QtGeometry.h"
#include "framework/WindowEvents.h"

#include <QWidget>

#include <unordered_map>

namespace {

std::unordered_map<const QWidget*, Window*>& handleMap()
{
    static std::unordered_map<const QWidget*, Window*> map;
    return map;
}

} // namespace

Window::~Window()
{
    attach(nullptr);
}

void Window::attach(QWidget* handle)
{
    if (m_handle) {
        handleMap().erase(m_handle);
        WindowEvents::unwatch(m_handle);
    }
    m_handle = handle;
    if (handle) {
        handleMap()[handle] = this;
        WindowEvents::watch(handle);
    }
}

Window* Window::lookup(const QWidget* handle)
{
    auto found = handleMap().find(handle);
    return found == handleMap().end() ? nullptr : found->second;
}

void Window::destroy()
{
    // Deleting the widget sends the destroy event, which deletes this object.
    delete m_handle;
}

void* Window::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Window::access)
        return this;
    return Model::valueFor(aspect);
}

Rect Window::frameRect() const
{
    return m_handle ? toRect(m_handle->frameGeometry()) : Rect{};
}

void Window::place(const Rect& frame)
{
    if (!m_handle)
        return;
    // Qt places a top-level window by its frame but sizes it by its client area.
    QRect outer = m_handle->frameGeometry();
    QRect inner = m_handle->geometry();
    m_handle->move(frame.left, frame.top);
    m_handle->resize(std::max(1, frame.width() - (outer.width() - inner.width())),
                     std::max(1, frame.height() - (outer.height() - inner.height())));
}

void Window::show()
{
    if (m_handle)
        m_handle->show();
}

void Window::hide()
{
    if (m_handle)
        m_handle->hide();
}

bool Window::isVisible() const
{
    return m_handle && m_handle->isVisible();
}

void Window::setTitle(const std::string& title)
{
    if (m_handle)
        m_handle->setWindowTitle(QString::fromStdString(title));
}

bool Window::isMinimized() const
{
    return m_handle && m_handle->isMinimized();
}

std::string Window::title() const
{
    return m_handle ? m_handle->windowTitle().toStdString() : std::string();
}

bool Window::close()
{
    return m_handle && m_handle->close();
}

void Window::raise()
{
    if (m_handle)
        m_handle->raise();
}

void Window::bringToFront()
{
    if (!m_handle)
        return;
    if (m_handle->isMinimized())
        m_handle->showNormal();
    m_handle->raise();
    m_handle->activateWindow();
}

bool Window::dispatchClose()
{
    bool close = true;
    guardCallback([&] { close = closeRequested(); });
    return close;
}

void Window::dispatchActivation(bool active)
{
    guardCallback([&] { activated(active); });
}

void Window::dispatchDestroyed()
{
    guardCallback([&] { nativeDestroyed(); });
    handleMap().erase(m_handle);
    m_handle = nullptr;
    delete this;
}

void Window::activated(bool)
{
    changed(&aspects::Window::active);
}
