#include "framework/MDIWorkSpace.h"

#include "base/ErrorFrame.h"
#include "core/Aspects.h"
#include "framework/AcceleratorFilter.h"
#include "framework/FrameClient.h"
#include "framework/MenuBar.h"
#include "framework/MenuState.h"
#include "framework/ScheduledWindow.h"
#include "pixels/QtGeometry.h"
#include "resources/CommandIds.h"

#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace {

// The frame's own widget: it takes dropped files and hands them to the application.
class FrameWidget : public QMainWindow {
public:
    explicit FrameWidget(FrameClient& client) : m_client(client) { setAcceptDrops(true); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (!localFiles(event->mimeData()).empty())
            event->acceptProposedAction();
    }

    void dropEvent(QDropEvent* event) override
    {
        std::vector<std::string> paths = localFiles(event->mimeData());
        event->acceptProposedAction();
        guardCallback([&] { m_client.dropFiles(paths); });
    }

private:
    static std::vector<std::string> localFiles(const QMimeData* data)
    {
        std::vector<std::string> paths;
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths.push_back(url.toLocalFile().toStdString());
        return paths;
    }

    FrameClient& m_client;
};

} // namespace

MDIWorkSpace::MDIWorkSpace(FrameClient& client, const std::string& title)
    : m_client(client), m_frame(new FrameWidget(client)), m_area(new QMdiArea)
{
    m_frame->setCentralWidget(m_area);
    m_frame->setWindowTitle(QString::fromStdString(title));
    m_frame->resize(1000, 720);
    m_area->setBackground(QGuiApplication::palette().dark());
    attach(m_frame);
    QObject::connect(m_area, &QMdiArea::subWindowActivated, m_frame,
                     [this](QMdiSubWindow*) { guardCallback([this] { changed(&aspects::WorkSpace::activate); }); });
}

MDIWorkSpace::~MDIWorkSpace()
{
    // The key filter and the menu bar's callbacks point here: they go before the frame.
    m_keys.reset();
    m_menuBar.reset();
    QObject::disconnect(m_area, nullptr, m_frame, nullptr);
    QWidget* frame = handle();
    attach(nullptr);
    delete frame;
}

void* MDIWorkSpace::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::MDIWorkSpace::access)
        return this;
    return Window::valueFor(aspect);
}

void MDIWorkSpace::setMenu(const MenuItem& menu, std::span<const Accelerator> keys, int windowMenuIndex)
{
    m_windowMenuIndex = windowMenuIndex;
    m_menuBar = std::make_unique<MenuBar>(
        *m_frame->menuBar(), menu, keys, [this](uint32_t id) { sendCommand(id); },
        [this](MenuState& state) {
            bool windowMenu = state.firstId() == popup(m_windowMenuIndex).firstId();
            if (windowMenu)
                refreshWindowList();
            m_client.menuOpening(state);
            if (windowMenu) {
                std::vector<ScheduledWindow*> windows = documentWindows();
                for (size_t i = 0; i < windows.size(); ++i)
                    state.check(commands::firstDocumentWindow + uint32_t(i), windows[i] == activeDocumentWindow());
            }
        });
    PopupMenu windows = popup(windowMenuIndex);
    m_windowMenuItems = windows.isValid() ? windows.count() : 0;
    m_keys = std::make_unique<AcceleratorFilter>(*m_frame, keys, [this](uint32_t id) { sendCommand(id, true); });
}

PopupMenu MDIWorkSpace::popup(int index) const
{
    return m_menuBar ? m_menuBar->popup(index) : PopupMenu();
}

void MDIWorkSpace::sendCommand(uint32_t id, bool fromKey)
{
    if (fromKey && m_menuBar && !m_menuBar->isEnabled(id))
        return;
    std::vector<ScheduledWindow*> windows = documentWindows();
    if (id >= commands::firstDocumentWindow && id < commands::firstDocumentWindow + windows.size()) {
        activate(*windows[id - commands::firstDocumentWindow]);
        return;
    }
    m_client.command(id);
}

void MDIWorkSpace::postCommand(uint32_t id)
{
    // The frame's widget carries the wait: a command posted while the frame goes is dropped.
    QTimer::singleShot(0, m_frame, [this, id] { guardCallback([&] { sendCommand(id); }); });
}

ScheduledWindow* MDIWorkSpace::activeDocumentWindow() const
{
    // A closed window lingers, hidden, until the loop deletes it; it no longer counts.
    QMdiSubWindow* active = m_area->activeSubWindow();
    return active && !active->isHidden() ? static_cast<ScheduledWindow*>(Window::lookup(active)) : nullptr;
}

std::vector<ScheduledWindow*> MDIWorkSpace::documentWindows() const
{
    std::vector<ScheduledWindow*> windows;
    for (QMdiSubWindow* child : m_area->subWindowList(QMdiArea::CreationOrder))
        if (Window* window = Window::lookup(child); window && !child->isHidden())
            windows.push_back(static_cast<ScheduledWindow*>(window));
    return windows;
}

void MDIWorkSpace::activate(ScheduledWindow& window)
{
    auto* child = static_cast<QMdiSubWindow*>(window.handle());
    if (child->isMinimized())
        child->showNormal();
    m_area->setActiveSubWindow(child);
}

void MDIWorkSpace::cascade()
{
    // Each window keeps its size, cut to the area; the next one goes a title bar down and right, and
    // the run starts again at the corner when a window would leave the area.
    QSize area = m_area->viewport()->size();
    QPoint next(0, 0);
    for (QMdiSubWindow* child : m_area->subWindowList(QMdiArea::StackingOrder)) {
        if (child->isHidden() || child->isMinimized())
            continue;
        if (child->isMaximized())
            child->showNormal();
        QSize size = child->size().boundedTo(area);
        if (next.x() + size.width() > area.width() || next.y() + size.height() > area.height())
            next = QPoint(0, 0);
        child->setGeometry(QRect(next, size));
        child->raise();
        int step = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child);
        next += QPoint(step, step);
    }
}

void MDIWorkSpace::tile()
{
    m_area->tileSubWindows();
}

void MDIWorkSpace::arrangeIcons()
{
    // Minimised document windows line up along the bottom of the area, left to right.
    int x = 0;
    for (QMdiSubWindow* child : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isMinimized())
            continue;
        child->move(x, m_area->viewport()->height() - child->height());
        x += child->width();
    }
}

bool MDIWorkSpace::closeAllDocumentWindows()
{
    while (ScheduledWindow* window = activeDocumentWindow())
        if (!window->handle()->close())
            return false;
    // Windows that never became active (hidden or minimised ones) close the same way.
    for (ScheduledWindow* window : documentWindows())
        if (!window->handle()->close())
            return false;
    return true;
}

Rect MDIWorkSpace::areaRect() const
{
    return {0, 0, m_area->viewport()->width(), m_area->viewport()->height()};
}

Point MDIWorkSpace::areaOrigin() const
{
    QPoint origin = m_area->viewport()->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

void MDIWorkSpace::placeNewWindow(ScheduledWindow& window, const Rect& free)
{
    int32_t step = window.handle()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window.handle());
    auto others = int32_t(documentWindows().size()) - 1;
    int32_t offset = std::max(0, others) * step;
    if (offset > free.width() / 2 || offset > free.height() / 2)
        offset = 0;
    window.place({free.left + offset, free.top + offset, free.right, free.bottom});
}

Rect MDIWorkSpace::desktopRect() const
{
    QScreen* screen = m_frame->screen() ? m_frame->screen() : QGuiApplication::primaryScreen();
    return screen ? toRect(screen->availableGeometry()) : Rect{0, 0, 1024, 768};
}

void MDIWorkSpace::placeFrame(const Rect& frame)
{
    m_wantedFrame = frame;
    place(frame);
}

void MDIWorkSpace::activated(bool active)
{
    if (active && m_wantedFrame)
        place(*std::exchange(m_wantedFrame, std::nullopt));
    Window::activated(active);
}

bool MDIWorkSpace::closeRequested()
{
    return m_client.frameClosing();
}

void MDIWorkSpace::refreshWindowList()
{
    PopupMenu menu = popup(m_windowMenuIndex);
    if (!menu.isValid())
        return;
    menu.truncate(m_windowMenuItems);
    std::vector<ScheduledWindow*> windows = documentWindows();
    if (!windows.empty())
        menu.insertSeparator(-1);
    for (size_t i = 0; i < windows.size(); ++i) {
        std::string caption = windows[i]->title();
        // The window list shows titles as they are: an "&" in a file name is not a mnemonic.
        std::string shown;
        for (char c : caption)
            shown += c == '&' ? std::string("&&") : std::string(1, c);
        menu.insertItem(-1, commands::firstDocumentWindow + uint32_t(i), "&" + std::to_string(i + 1) + " " + shown);
    }
}
