#include "framework/ScheduledWindow.h"

#include "core/Aspects.h"
#include "core/ScheduledWindowPlug.h"
#include "framework/MDIWorkSpace.h"
#include "resources/Icons.h"

#include <QIcon>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

QIcon iconFrom(const IconResource& resource)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 && x < int(resource.rows[size_t(y)].size()); ++x)
            for (auto [key, color] : resource.colors)
                if (key == resource.rows[size_t(y)][size_t(x)])
                    image.setPixel(x, y, qRgb(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF)));
    return QIcon(QPixmap::fromImage(image));
}

ScheduledWindowPlug* plugOf(Model* document)
{
    return interfaceFor<ScheduledWindowPlug>(document, &aspects::ScheduledWindow::Plug::access);
}

} // namespace

ScheduledWindow::ScheduledWindow(MDIWorkSpace& workspace, Model& document)
    : m_workspace(workspace), m_client(new QWidget)
{
    auto* child = new QMdiSubWindow;
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setWindowIcon(iconFrom(documentIcon()));
    m_client->setAutoFillBackground(true);
    m_client->setMinimumSize(64, 48);
    child->setWidget(m_client);
    child->resize(480, 360);
    workspace.area().addSubWindow(child);
    attach(child);
    setModel(&document);
}

void* ScheduledWindow::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ScheduledWindow::access)
        return this;
    if (void* own = Window::valueFor(aspect))
        return own;
    return m_content ? m_content->valueFor(aspect) : nullptr;
}

void ScheduledWindow::setContent(Window& content)
{
    m_content = &content;
    auto* layout = new QVBoxLayout(m_client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content.handle());
    // Activating the window gives the keys to its content.
    m_client->setFocusProxy(content.handle());
    content.show();
}

void ScheduledWindow::update()
{
    if (ScheduledWindowPlug* plug = plugOf(model()))
        setTitle(plug->caption());
}

void ScheduledWindow::update(const Aspect* aspect)
{
    if (aspect == &aspects::ScheduledWindow::Plug::access)
        update();
    else if (aspect == &aspects::Window::active)
        m_workspace.activate(*this);
}

bool ScheduledWindow::closeRequested()
{
    ScheduledWindowPlug* plug = plugOf(model());
    return !plug || plug->closeQuery();
}

void ScheduledWindow::nativeDestroyed()
{
    m_content = nullptr;
    setModel(nullptr);
}
