#include "framework/Window.h"

#include "base/ErrorFrame.h"
#include "core/Aspects.h"
#include "framework/WindowEvents.h"
#include "pixels/QtGeometry.h"
#include "resources/Cursors.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <unordered_map>

namespace {

std::unordered_map<const QWidget*, Window*>& handleMap()
{
    static std::unordered_map<const QWidget*, Window*> map;
    return map;
}

// Pointers are drawn at twice their dot size, crisp, to match the size of the desktop's own.
QCursor pointerFrom(const CursorResource& resource)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            std::string_view row = resource.rows[size_t(y / 2)];
            char dot = size_t(x / 2) < row.size() ? row[size_t(x / 2)] : ' ';
            if (dot == 'X' || dot == '.')
                image.setPixel(x, y, dot == 'X' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return QCursor(QPixmap::fromImage(image), resource.hotX * 2, resource.hotY * 2);
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

bool Window::hasFocus() const
{
    return m_handle && m_handle->window()->focusWidget() == m_handle;
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

void Window::setPointer(std::string_view name)
{
    if (!m_handle)
        return;
    const CursorResource* resource = findCursor(name);
    if (name.empty())
        m_handle->setCursor(Qt::ArrowCursor);
    else if (name == "TEXT")
        m_handle->setCursor(Qt::IBeamCursor);
    else if (resource)
        m_handle->setCursor(pointerFrom(*resource));
    else
        return;
    m_pointer = name;
}

std::optional<Point> Window::pointerInside() const
{
    if (!m_handle || !m_handle->underMouse())
        return std::nullopt;
    QPoint p = m_handle->mapFromGlobal(QCursor::pos());
    return Point{p.x(), p.y()};
}

Point Window::toScreen(Point p) const
{
    if (!m_handle)
        return p;
    QPoint screen = m_handle->mapToGlobal(QPoint(p.x, p.y));
    return {screen.x(), screen.y()};
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
