#include "framework/FloatingPanel.h"

#include "base/ErrorFrame.h"
#include "framework/CommandTable.h"
#include "framework/ContextMenu.h"
#include "framework/DialogPage.h"
#include "framework/MDIWorkSpace.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <unordered_map>
#include <utility>

namespace {

// The native window of a panel: a window manager's maximise request becomes the panel's command.
class PanelWidget : public QWidget {
public:
    PanelWidget(QWidget* frame, std::function<void()> maximised)
        : QWidget(frame, Qt::Tool | Qt::WindowDoesNotAcceptFocus), m_maximised(std::move(maximised))
    {
        // Showing the panel leaves the document window active, with the keys.
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QWidget::changeEvent(event);
        if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMaximized))
            return;
        // The panel keeps its size; the state is put back once the window manager's change is done.
        // The platform may echo the change a while later: that is still the same request.
        if (std::exchange(m_maximisePending, true))
            return;
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMaximized);
            QTimer::singleShot(echoTime, this, [this] { m_maximisePending = false; });
            guardCallback(m_maximised);
        });
    }

private:
    static constexpr int echoTime = 250;

    std::function<void()> m_maximised;
    bool m_maximisePending = false;
};

// The panels by native window, for the right clicks on any window inside them.
std::unordered_map<const QWidget*, FloatingPanel*>& panels()
{
    static std::unordered_map<const QWidget*, FloatingPanel*> map;
    return map;
}

// A right press anywhere in a panel, on a hosted component too, opens the panel's menu instead.
class RightClicks : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) ||
            !watched->isWidgetType())
            return false;
        auto* press = static_cast<QMouseEvent*>(event);
        auto found = panels().find(static_cast<QWidget*>(watched)->window());
        if (press->button() != Qt::RightButton || found == panels().end() || !found->second->hasMenu())
            return false;
        QPoint at = press->globalPosition().toPoint();
        FloatingPanel* panel = found->second;
        // The menu opens once the press is delivered: its command may replace the panel's page, and
        // with it the window the press is still on its way to.
        QTimer::singleShot(0, panel->handle(), [panel, at] {
            guardCallback([&] { panel->popUpMenu({at.x(), at.y()}); });
        });
        return true;
    }

    using QObject::QObject;
};

void watchRightClicks()
{
    // It goes with the application.
    static RightClicks* filter = [] {
        auto* clicks = new RightClicks(QApplication::instance());
        QApplication::instance()->installEventFilter(clicks);
        return clicks;
    }();
    (void)filter;
}

} // namespace

FloatingPanel::FloatingPanel(MDIWorkSpace& frame, const std::string& title, Point size)
{
    auto* panel = new PanelWidget(frame.handle(), [this] {
        if (m_maximiseCommand)
            sendCommand(m_maximiseCommand);
    });
    panel->setWindowTitle(QString::fromStdString(title));
    panel->resize(size.x, size.y);
    attach(panel);
    panels()[panel] = this;
    watchRightClicks();
}

FloatingPanel::FloatingPanel(MDIWorkSpace& frame, std::string_view templateName)
    : FloatingPanel(frame, requiredDialogTemplate(templateName).caption, {1, 1})
{
    showPage(templateName);
}

FloatingPanel::~FloatingPanel()
{
    nativeDestroyed();
}

void FloatingPanel::nativeDestroyed()
{
    // Adaptors let go of their models while the controls they show still stand.
    m_page.reset();
    panels().erase(handle());
}

Point FloatingPanel::position() const
{
    QPoint p = handle()->frameGeometry().topLeft();
    return {p.x(), p.y()};
}

void FloatingPanel::moveTo(Point p)
{
    handle()->move(p.x, p.y);
}

void FloatingPanel::setShown(bool shown)
{
    handle()->setVisible(shown);
}

void FloatingPanel::showPage(std::string_view templateName)
{
    const DialogTemplate& layout = requiredDialogTemplate(templateName);
    m_page.reset();
    delete std::exchange(m_content, new QWidget(handle()));
    m_content->setGeometry(0, 0, layout.width, layout.height);
    m_page = std::make_unique<DialogPage>(layout, m_content, DialogPage::Focus::refused);
    m_content->show();
    handle()->resize(layout.width, layout.height);
    setTitle(layout.caption);
}

void FloatingPanel::fitToContent(int margin)
{
    if (!m_page)
        return;
    Point extent = m_page->contentExtent();
    m_content->resize(extent.x + margin, extent.y + margin);
    handle()->resize(extent.x + margin, extent.y + margin);
}

void FloatingPanel::setClientSize(Point size)
{
    if (m_content)
        m_content->resize(size.x, size.y);
    handle()->resize(size.x, size.y);
}

Point FloatingPanel::clientSize() const
{
    return {handle()->width(), handle()->height()};
}

void FloatingPanel::setMenu(const MenuItem& menu, CommandInterface& handler, uint32_t maximiseCommand)
{
    m_menu = &menu;
    m_handler = &handler;
    m_maximiseCommand = maximiseCommand;
    // Only a panel that answers the request offers it; changing the hints hides the window.
    if (!maximiseCommand)
        return;
    QWidget* panel = handle();
    bool shown = panel->isVisible();
    panel->setWindowFlags(panel->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    panel->setVisible(shown);
}

void FloatingPanel::sendCommand(uint32_t id)
{
    if (m_handler && m_handler->command(id, this))
        return;
    if (id == commands::closePanel)
        hide();
}

void FloatingPanel::popUpMenu(Point screen)
{
    if (!m_menu)
        return;
    ContextMenu::popUp(
        *m_menu, screen, [this](uint32_t id) { sendCommand(id); },
        [this](MenuState& state) {
            if (m_handler)
                m_handler->menuOpening(state);
        });
}

void FloatingPanel::activated(bool active)
{
    // Where the platform activates a panel all the same (a click, or a show that ignores the hints),
    // the frame is made active again, and the document window's view has the keys.
    if (QWidget* frame = handle()->parentWidget(); active && frame)
        QTimer::singleShot(0, frame, [frame] { frame->activateWindow(); });
    Window::activated(active);
}

bool FloatingPanel::closeRequested()
{
    // Closing only hides: the frame's commands show the panel again.
    sendCommand(commands::closePanel);
    return false;
}
