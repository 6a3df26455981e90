#pragma once

#include "app/RecentFiles.h"
#include "commands/DesktopFilingQuestions.h"
#include "commands/DocumentCommands.h"
#include "core/Dependent.h"
#include "core/Geometry.h"
#include "document/DocumentWindows.h"
#include "formats/SettingsFile.h"
#include "framework/CommandTable.h"
#include "framework/FrameClient.h"
#include "framework/Timer.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FloatingPanel;
class MDIWorkSpace;
class ScheduledWindow;
class SingleInstance;
class InformationPanel;
class PalettePanel;
class ToolBoxPanel;

// The editor as a whole: the frame with its menu, keys and four floating panels, the settings and
// recent files, and the hand-over of file names between starts of the program. It follows the
// workspace, so that the panels show the active document window's document and view.
class Tilvaner : public FrameClient, public DocumentWindowService, public TimerTarget, private Dependent {
public:
    explicit Tilvaner(SettingsFile settings);
    ~Tilvaner();

    // Answers false in a later start of the program: its names went to the running one, and this
    // process ends without a window.
    bool start(const std::vector<std::string>& arguments);
    // Opens the files named on the command line.
    void passCommandLine(const std::vector<std::string>& arguments);
    // Saves what is kept at exit, in one write of the settings file; a failure is reported.
    void exit();

    // Opens the names as if dropped on the frame; while a modal dialog is open they wait for it.
    void receiveFiles(const std::vector<std::string>& paths);
    // Asks the frame to close, as Exit does; while a modal dialog is open the request waits for it,
    // since closing the windows would take its document away.
    void requestExit();

    bool command(uint32_t id) override;
    void menuOpening(MenuState& popup) override;
    void dropFiles(const std::vector<std::string>& paths) override;
    bool frameClosing() override;
    void openWindow(Model& document) override;
    bool tick(Timer& timer) override;

    MDIWorkSpace* workspace() const { return m_workspace.get(); }
    FloatingPanel* panel(int index) const { return m_panels[size_t(index)]; }
    ToolBoxPanel* toolBox() const { return m_toolBox.get(); }
    const RecentFiles& recentFiles() const { return m_recentFiles; }

    // The panels, in the order of their keys and commands.
    enum PanelIndex { toolPanel, palettePanel, infoPanel, animationPanel, panelCount };

private:
    static const CommandTable<Tilvaner>& table();

    // The workspace reports another active window, or is going.
    void update() override;
    void update(const Aspect* aspect) override;
    void afterModelReleased() override;
    // Gives the panels the document and view of window, or nothing for null.
    void rebindPanels(ScheduledWindow* window);

    void createPanels();
    // The part of the document area, in its own coordinates, that no shown panel covers.
    Rect freeArea() const;
    void savePlacement();
    bool routeToDocument(uint32_t id);
    // Who takes a command in the active document window: its views, then its picture.
    struct WindowHandlers {
        CommandInterface* views = nullptr;
        std::optional<DocumentCommands> document;
    };
    WindowHandlers windowHandlers() const;

    bool newPicture(uint32_t id, Window* from);
    bool open(uint32_t id, Window* from);
    bool preferences(uint32_t id, Window* from);
    bool exitCommand(uint32_t id, Window* from);
    bool arrange(uint32_t id, Window* from);
    bool togglePanel(uint32_t id, Window* from);
    bool switchUnit(uint32_t id, Window* from);
    bool help(uint32_t id, Window* from);
    bool about(uint32_t id, Window* from);
    bool selectTool(uint32_t id, Window* from);
    bool openRecentFile(uint32_t id);

    SettingsFile m_settings;
    RecentFiles m_recentFiles;
    DesktopFilingQuestions m_filingQuestions;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<MDIWorkSpace> m_workspace;
    // The panels' owners, each with its window in m_panels; the others are plain windows for now.
    std::unique_ptr<ToolBoxPanel> m_toolBox;
    std::unique_ptr<PalettePanel> m_palette;
    std::unique_ptr<InformationPanel> m_information;
    std::array<FloatingPanel*, panelCount> m_panels{};
    std::vector<std::string> m_waitingFiles;
    bool m_exitWaiting = false;
    Timer m_waitForModal{this};
};
