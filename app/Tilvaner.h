#pragma once

#include "app/RecentFiles.h"
#include "formats/SettingsFile.h"
#include "framework/CommandTable.h"
#include "framework/DocumentWindows.h"
#include "framework/FrameClient.h"
#include "framework/Timer.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class FloatingPanel;
class MDIWorkSpace;
class SingleInstance;

// The editor as a whole: the frame with its menu, keys and four floating panels, the settings and
// recent files, and the hand-over of file names between starts of the program.
class Tilvaner : public FrameClient, public DocumentWindowService, public TimerTarget {
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
    // Asks the frame to close, as Exit does.
    void requestExit();

    bool command(uint32_t id) override;
    void menuOpening(MenuState& popup) override;
    void dropFiles(const std::vector<std::string>& paths) override;
    bool frameClosing() override;
    void openWindow(Model& document) override;
    bool tick(Timer& timer) override;

    MDIWorkSpace* workspace() const { return m_workspace.get(); }
    FloatingPanel* panel(int index) const { return m_panels[size_t(index)]; }
    const RecentFiles& recentFiles() const { return m_recentFiles; }

    // The panels, in the order of their keys and commands.
    enum PanelIndex { toolPanel, palettePanel, infoPanel, animationPanel, panelCount };

private:
    static const CommandTable<Tilvaner>& table();

    void createPanels();
    void savePlacement();
    bool routeToDocument(uint32_t id);
    // The active document window's views and its document, either null.
    std::array<CommandInterface*, 2> windowHandlers() const;

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
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<MDIWorkSpace> m_workspace;
    std::array<FloatingPanel*, panelCount> m_panels{};
    std::vector<std::string> m_waitingFiles;
    Timer m_waitForModal{this};
};
