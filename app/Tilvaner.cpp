#include "app/Tilvaner.h"

#include "app/AboutDialog.h"
#include "app/Help.h"
#include "app/InformationPanel.h"
#include "app/Preferences.h"
#include "app/SaveSettings.h"
#include "app/ToolBoxPanel.h"
#include "app/WindowPlacement.h"
#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "commands/DesktopFilingQuestions.h"
#include "commands/FileCommands.h"
#include "core/Aspects.h"
#include "dialogs/NewDialog.h"
#include "document/AnimationDefaults.h"
#include "document/BitmapDocument.h"
#include "document/DocumentLifecycle.h"
#include "document/NewParams.h"
#include "formats/Backup.h"
#include "framework/Application.h"
#include "framework/FloatingPanel.h"
#include "framework/MDIWorkSpace.h"
#include "framework/MenuState.h"
#include "framework/ScheduledWindow.h"
#include "framework/SingleInstance.h"
#include "panels/PalettePanel.h"
#include "resources/Accelerators.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/StringTable.h"
#include "views/DocumentViews.h"
#include "views/ToolBox.h"
#include "views/ZoomSteps.h"

#include <filesystem>

namespace {

struct PanelLayout {
    const char* key;
    bool shownByDefault;
    Point offset;
};

// Tool box, palette, information and animation, as their keys and commands order them.
constexpr std::array<PanelLayout, Tilvaner::panelCount> panelLayouts{{
    {"Tool-Window", true, {8, 80}},
    {"Palette-Window", true, {-220, 80}},
    {"Info-Window", false, {-220, 340}},
    {"Animation-Window", false, {-440, 80}},
}};

// The show/hide command of each panel, in panel order.
constexpr std::array<uint32_t, Tilvaner::panelCount> panelCommands{
    commands::toolPanel, commands::palettePanel, commands::informationPanel, commands::animationPanel};

// Every entry of the recent-file list has an item of its own.
static_assert(commands::lastRecentFile - commands::firstRecentFile + 1 == RecentFiles::capacity);

// A later start runs in another folder: names are made absolute before they travel.
std::vector<std::string> absolutePaths(const std::vector<std::string>& paths)
{
    std::vector<std::string> absolute;
    for (const std::string& path : paths) {
        std::error_code error;
        std::filesystem::path full = std::filesystem::absolute(path, error);
        absolute.push_back(error ? path : full.lexically_normal().string());
    }
    return absolute;
}

} // namespace

Tilvaner::Tilvaner(SettingsFile settings) : m_settings(std::move(settings)) {}

Tilvaner::~Tilvaner()
{
    installDocumentWindows(nullptr);
    installFilingQuestions(nullptr);
    lifecycle::installRecentFileList(nullptr);
    // The panels let go of the documents, and take their windows with them, before the workspace
    // and its document windows go.
    Dependent::setModel(nullptr);
    m_information.reset();
    m_palette.reset();
    m_toolBox.reset();
}

const CommandTable<Tilvaner>& Tilvaner::table()
{
    static const CommandTable<Tilvaner> handlers{
        {commands::newDocument, &Tilvaner::newPicture},
        {commands::open, &Tilvaner::open},
        {commands::preferences, &Tilvaner::preferences},
        {commands::exit, &Tilvaner::exitCommand},
        {commands::cascade, &Tilvaner::arrange},
        {commands::tile, &Tilvaner::arrange},
        {commands::arrangeIcons, &Tilvaner::arrange},
        {commands::toolPanel, &Tilvaner::togglePanel},
        {commands::palettePanel, &Tilvaner::togglePanel},
        {commands::informationPanel, &Tilvaner::togglePanel},
        {commands::animationPanel, &Tilvaner::togglePanel},
        {commands::switchUnit, &Tilvaner::switchUnit},
        {commands::helpContents, &Tilvaner::help},
        {commands::about, &Tilvaner::about},
        {commands::firstTool, &Tilvaner::selectTool},
        {commands::firstTool + 1, &Tilvaner::selectTool},
        {commands::firstTool + 2, &Tilvaner::selectTool},
        {commands::firstTool + 3, &Tilvaner::selectTool},
        {commands::firstTool + 4, &Tilvaner::selectTool},
        {commands::firstTool + 5, &Tilvaner::selectTool},
        {commands::firstTool + 6, &Tilvaner::selectTool},
        {commands::firstTool + 7, &Tilvaner::selectTool},
        {commands::firstTool + 8, &Tilvaner::selectTool},
        {commands::firstTool + 9, &Tilvaner::selectTool},
        {commands::firstTool + 10, &Tilvaner::selectTool},
        {commands::lastTool, &Tilvaner::selectTool},
    };
    return handlers;
}

bool Tilvaner::start(const std::vector<std::string>& arguments)
{
    m_instance = std::make_unique<SingleInstance>(SingleInstance::nameForUser());
    // Two starts at once: the one that cannot listen hands over to the other after all.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (m_instance->handOver(absolutePaths(arguments)))
            return false;
        if (m_instance->listen([this](const std::vector<std::string>& paths) { receiveFiles(paths); }))
            break;
    }

    // A warning only: the editor still runs on a 256-colour screen.
    if (Application::isPaletteDisplay())
        alert(messages::fullColorDisplay, alertFlags::ok);
    m_workspace = std::make_unique<MDIWorkSpace>(*this, std::string(loadString(strings::applicationTitle)));
    m_workspace->setMenu(mainMenu(), mainAccelerators(), menus::windowMenuIndex);
    m_recentFiles.attachMenu(m_workspace->popup(0), commands::firstRecentFile);
    installDocumentWindows(this);
    installFilingQuestions(&m_filingQuestions);
    lifecycle::installRecentFileList([this](const std::string& path) { m_recentFiles.add(path); });

    loadBackupSettings(m_settings, BackupSettings::current());
    loadZoomSteps(m_settings, ZoomSteps::mainSteps(), ZoomSteps::subSteps());
    loadNewParams(m_settings, NewParams::current());
    loadAnimationDefaults(m_settings, AnimationDefaults::current());
    m_recentFiles.load(m_settings);

    createPanels();
    return true;
}

void Tilvaner::createPanels()
{
    m_toolBox = std::make_unique<ToolBoxPanel>(*m_workspace);
    m_panels[toolPanel] = &m_toolBox->panel();
    m_palette = std::make_unique<PalettePanel>(*m_workspace);
    m_panels[palettePanel] = &m_palette->panel();
    m_information = std::make_unique<InformationPanel>(*m_workspace);
    m_panels[infoPanel] = &m_information->panel();
    // The animation panel's content comes with the animation.
    m_panels[animationPanel] = new FloatingPanel(*m_workspace, "アニメーション", {200, 200});
    Dependent::setModel(m_workspace.get());
    m_workspace->show();
    // Placed once shown, when the size of the window's frame is known.
    Rect desktop = m_workspace->desktopRect();
    if (std::optional<Rect> stored = readWindowPlacement(m_settings, desktop))
        m_workspace->placeFrame(*stored);
    Rect frame = m_workspace->frameRect();
    for (size_t i = 0; i < panelLayouts.size(); ++i) {
        const PanelLayout& layout = panelLayouts[i];
        // By default the panels sit just inside the frame, from its left or (negative) right edge.
        Point place{layout.offset.x >= 0 ? frame.left + layout.offset.x : frame.right + layout.offset.x,
                    frame.top + layout.offset.y};
        PanelPlacement stored = readPanelPlacement(m_settings, layout.key);
        Point size = m_panels[i]->clientSize();
        // Kept on the desktop as the frame is, so that no panel is lost off the screen.
        m_panels[i]->moveTo(placeOnDesktop(stored.position.value_or(place), size, desktop).topLeft());
        m_panels[i]->setShown(stored.shown.value_or(layout.shownByDefault));
    }
}

void Tilvaner::passCommandLine(const std::vector<std::string>& arguments)
{
    // The names are opened from the main loop, as names handed over by a later start are.
    m_waitingFiles = absolutePaths(arguments);
    if (!m_waitingFiles.empty())
        m_waitForModal.start(0);
}

void Tilvaner::exit()
{
    guardCallback([this] {
        m_recentFiles.save(m_settings);
        // When the new settings are lost the user hears of it, and the program ends as usual.
        saveSettings(m_settings);
    });
}

void Tilvaner::receiveFiles(const std::vector<std::string>& paths)
{
    m_workspace->bringToFront();
    // The panels float above the frame, also where no window manager keeps them there.
    for (FloatingPanel* panel : m_panels)
        if (panel && panel->isVisible())
            panel->raise();
    if (paths.empty())
        return;
    if (!Application::isModalOpen()) {
        lifecycle::openFiles(paths);
        return;
    }
    // A dialog is open: the names wait until it has closed.
    m_waitingFiles.insert(m_waitingFiles.end(), paths.begin(), paths.end());
    if (!m_waitForModal.isRunning())
        m_waitForModal.start(200);
}

bool Tilvaner::tick(Timer&)
{
    if (Application::isModalOpen())
        return false;
    // Opening may show a message, and names may arrive meanwhile: they wait for the next tick.
    m_waitForModal.start(200);
    lifecycle::openFiles(std::exchange(m_waitingFiles, {}));
    if (std::exchange(m_exitWaiting, false))
        requestExit();
    return m_waitingFiles.empty() && !m_exitWaiting;
}

void Tilvaner::requestExit()
{
    if (Application::isModalOpen()) {
        m_exitWaiting = true;
        if (!m_waitForModal.isRunning())
            m_waitForModal.start(200);
        return;
    }
    if (m_workspace)
        m_workspace->close();
}

void Tilvaner::dropFiles(const std::vector<std::string>& paths)
{
    lifecycle::openFiles(paths);
}

void Tilvaner::openWindow(Model& document)
{
    auto* window = new ScheduledWindow(*m_workspace, document);
    DocumentViews* views = nullptr;
    try {
        views = new DocumentViews(window->client(), document, ToolBox::current(), ZoomSteps::mainSteps().at(0));
        window->setContent(*views);
    } catch (...) {
        // A window that could not be made whole must not keep the document alive unseen.
        window->destroy();
        throw;
    }
    window->show();
    m_workspace->placeNewWindow(*window, freeArea());
    views->shrinkToPicture();
    m_workspace->activate(*window);
}

Rect Tilvaner::freeArea() const
{
    // A panel over the area narrows it from the side its middle is on; a rest narrower than a third
    // of the area is too little for a picture, and the whole area is taken.
    constexpr int32_t gap = 8;
    Rect area = m_workspace->areaRect();
    Point origin = m_workspace->areaOrigin();
    int32_t left = area.left, right = area.right;
    for (FloatingPanel* panel : m_panels) {
        if (!panel || !panel->isVisible())
            continue;
        Rect r = panel->frameRect();
        r = {r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
        if (r.intersected(area).isEmpty())
            continue;
        if (r.left + r.right < area.left + area.right)
            left = std::max(left, r.right + gap);
        else
            right = std::min(right, r.left - gap);
    }
    return right - left >= area.width() / 3 ? Rect{left, area.top, right, area.bottom} : area;
}

void Tilvaner::update()
{
    auto* workspace = interfaceFor(model(), &aspects::MDIWorkSpace::access);
    rebindPanels(workspace ? workspace->activeDocumentWindow() : nullptr);
}

void Tilvaner::update(const Aspect* aspect)
{
    if (aspect == &aspects::WorkSpace::activate)
        update();
}

void Tilvaner::afterModelReleased()
{
    rebindPanels(nullptr);
}

void Tilvaner::rebindPanels(ScheduledWindow* window)
{
    BitmapDocument* document = window ? interfaceFor(window->document(), &aspects::BitmapDocument::access) : nullptr;
    if (m_toolBox)
        m_toolBox->setModel(document);
    if (m_palette)
        m_palette->setModel(document);
    if (m_information)
        m_information->rebind(window ? interfaceFor(window, &aspects::EditView::access) : nullptr);
    // The animation panel's slot waits for the animation.
}

bool Tilvaner::command(uint32_t id)
{
    try {
        // A tool command goes to the tool box first: only a repeated one reaches the window.
        if ((id < commands::firstTool || id > commands::lastTool) && routeToDocument(id))
            return true;
        if (id >= commands::firstRecentFile && id <= commands::lastRecentFile)
            return openRecentFile(id);
        return table().dispatch(*this, id, nullptr);
    } catch (...) {
        reportError(currentError(), 0, std::nullopt);
        return true;
    }
}

Tilvaner::WindowHandlers Tilvaner::windowHandlers() const
{
    ScheduledWindow* window = m_workspace->activeDocumentWindow();
    if (!window)
        return {};
    WindowHandlers handlers{interfaceFor<CommandInterface>(window, &aspects::Window::menuEx), std::nullopt};
    if (BitmapDocument* document = interfaceFor(window->document(), &aspects::BitmapDocument::access))
        handlers.document.emplace(*document);
    return handlers;
}

bool Tilvaner::routeToDocument(uint32_t id)
{
    // The views of the active window first, then its document.
    WindowHandlers handlers = windowHandlers();
    Window* from = m_workspace->activeDocumentWindow();
    if (handlers.views && handlers.views->command(id, from))
        return true;
    return handlers.document && handlers.document->command(id, from);
}

void Tilvaner::menuOpening(MenuState& popup)
{
    switch (popup.firstId()) {
    case commands::newDocument:
        popup.enableAll(false);
        for (uint32_t id : {commands::newDocument, commands::open, commands::preferences, commands::exit})
            popup.enable(id, true);
        for (int i = 0; i < m_recentFiles.count(); ++i)
            popup.enable(commands::firstRecentFile + uint32_t(i), true);
        break;
    case commands::cascade: {
        popup.enableAll(true);
        bool documents = m_workspace->activeDocumentWindow() != nullptr;
        for (uint32_t id : {commands::cascade, commands::tile, commands::arrangeIcons})
            popup.enable(id, documents);
        popup.enable(commands::showSelectionOnly, false);
        for (size_t i = 0; i < m_panels.size(); ++i)
            popup.check(panelCommands[i], m_panels[i]->isVisible());
        popup.check(commands::toggleMesh, false);
        popup.enable(commands::toggleMesh, false);
        popup.enable(commands::meshSize, false);
        break;
    }
    case commands::subViewNone:
        popup.enableAll(false);
        popup.checkAll(false);
        break;
    case commands::helpContents: popup.enableAll(true); break;
    default: popup.enableAll(false); break;
    }
    // The document first, so that its views have the last word on the items they share.
    WindowHandlers handlers = windowHandlers();
    if (handlers.document)
        handlers.document->menuOpening(popup);
    if (handlers.views)
        handlers.views->menuOpening(popup);
}

bool Tilvaner::frameClosing()
{
    // A second request (another signal) may come after the panels have gone.
    if (!m_panels[0])
        return true;
    if (!m_workspace->closeAllDocumentWindows())
        return false;
    savePlacement();
    for (FloatingPanel*& panel : m_panels)
        std::exchange(panel, nullptr)->destroy();
    Application::quit(0);
    return true;
}

void Tilvaner::savePlacement()
{
    guardCallback([this] {
        if (!m_workspace->isMinimized())
            writeWindowPlacement(m_settings, m_workspace->frameRect());
        for (size_t i = 0; i < m_panels.size(); ++i)
            writePanelPlacement(m_settings, panelLayouts[i].key, m_panels[i]->position(), m_panels[i]->isVisible());
    });
}

bool Tilvaner::newPicture(uint32_t, Window*)
{
    if (std::optional<NewDocumentParams> params = runNewDialog(NewParams::current()))
        lifecycle::newDocument(*params);
    return true;
}

bool Tilvaner::open(uint32_t, Window*)
{
    openDocument();
    return true;
}

bool Tilvaner::preferences(uint32_t, Window*)
{
    runPreferences(m_settings);
    return true;
}

bool Tilvaner::exitCommand(uint32_t, Window*)
{
    requestExit();
    return true;
}

bool Tilvaner::arrange(uint32_t id, Window*)
{
    if (id == commands::cascade)
        m_workspace->cascade();
    else if (id == commands::tile)
        m_workspace->tile();
    else
        m_workspace->arrangeIcons();
    return true;
}

bool Tilvaner::togglePanel(uint32_t id, Window*)
{
    for (size_t i = 0; i < m_panels.size(); ++i)
        if (panelCommands[i] == id)
            m_panels[i]->setShown(!m_panels[i]->isVisible());
    return true;
}

bool Tilvaner::help(uint32_t, Window*)
{
    help::openHelp();
    return true;
}

bool Tilvaner::about(uint32_t, Window*)
{
    runAboutDialog();
    return true;
}

bool Tilvaner::switchUnit(uint32_t, Window*)
{
    ToolBox& tools = ToolBox::current();
    tools.setUnit(tools.unit() == ToolBox::dot ? ToolBox::block : ToolBox::dot);
    return true;
}

bool Tilvaner::selectTool(uint32_t id, Window*)
{
    // Choosing the current tool again is meant for the tool's options in the active window.
    ToolBox& tools = ToolBox::current();
    int tool = int(id - commands::firstTool);
    if (tools.tool() != tool) {
        tools.setTool(tool);
        return true;
    }
    return routeToDocument(id);
}

bool Tilvaner::openRecentFile(uint32_t id)
{
    std::string path = m_recentFiles.fileAt(int(id - commands::firstRecentFile));
    if (!path.empty())
        lifecycle::openFile(path);
    return true;
}
