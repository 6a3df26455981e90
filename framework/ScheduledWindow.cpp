#include "framework/ScheduledWindow.h"

#include "core/Aspects.h"
#include "framework/MDIWorkSpace.h"
#include "framework/ScheduledWindowPlug.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

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
    return Window::valueFor(aspect);
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
    setModel(nullptr);
}
