#include "core/Aspects.h"
#include "framework/CommandTable.h"
#include "framework/Component.h"
#include "framework/ContextMenu.h"
#include "framework/DialogPage.h"
#include "framework/FloatingPanel.h"
#include "framework/FrameClient.h"
#include "framework/MDIWorkSpace.h"
#include "framework/MenuState.h"
#include "framework/SyntheticInput.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Visual;

class RecordingClient : public FrameClient {
public:
    bool command(uint32_t id) override
    {
        commands.push_back(id);
        if (onCommand)
            onCommand(id);
        return true;
    }
    void menuOpening(MenuState&) override {}
    void dropFiles(const std::vector<std::string>&) override {}
    bool frameClosing() override { return true; }

    std::vector<uint32_t> commands;
    std::function<void(uint32_t)> onCommand;
};

// A panel's owner: takes the commands it is told to and disables those it is told to.
class PanelHandler : public CommandInterface {
public:
    bool command(uint32_t id, Window*) override
    {
        commands.push_back(id);
        return id != commands::closePanel || takesClose;
    }
    void menuOpening(MenuState& popup) override
    {
        for (uint32_t id : disabled)
            popup.enable(id, false);
    }
    std::vector<uint32_t> commands;
    std::vector<uint32_t> disabled;
    bool takesClose = false;
};

// Chooses one id from whatever pops up and remembers where it popped up.
class ChoosingScript : public ContextMenuScript {
public:
    uint32_t choose(const MenuItem& items, Point screen) override
    {
        shown.push_back(&items);
        at = screen;
        return choice;
    }
    std::vector<const MenuItem*> shown;
    Point at;
    uint32_t choice = 0;
};

// A component that takes the pointer (and would take the keys) wherever it is put.
class Probe : public Component, public MouseController, public KeyController {
public:
    explicit Probe(QWidget* container) : Component(container) {}
    void* valueFor(const Aspect* aspect) override
    {
        if (aspect == &aspects::Visual::Component::waitingController)
            return offer<MouseController>(this);
        if (aspect == &aspects::Visual::Component::focusedController)
            return offer<KeyController>(this);
        return Component::valueFor(aspect);
    }
    void mouseEvent(const MouseEvent& event) override { mice.push_back(event.kind); }
    void keyEvent(const KeyEvent& event) override
    {
        if (event.kind == KeyEvent::down)
            keys.push_back(event.key);
    }
    std::vector<MouseEvent::Kind> mice;
    std::vector<uint32_t> keys;
};

const MenuItem panelMenu{0, "PANEL", {{commands::closePanel, "閉じる(&C)"}, {1000, "swap"}, {1001, "other"}}};

class PanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        previousScript = installContextMenuScript(&script);
        workspace.show();
        runEvents(20);
    }
    void TearDown() override
    {
        installContextMenuScript(previousScript);
        panel->destroy();
    }

    Application& application = testApplication();
    RecordingClient client;
    MDIWorkSpace workspace{client, "Tilvaner"};
    FloatingPanel* panel = new FloatingPanel(workspace, "TOOLBOX_PANEL");
    PanelHandler handler;
    ChoosingScript script;
    ContextMenuScript* previousScript = nullptr;
};

TEST_F(PanelTest, APanelFromItsTemplateHasItsCaptionAndPixelRectanglesAndFitsItsContent)
{
    EXPECT_EQ(panel->title(), "ツール");
    ASSERT_NE(panel->page(), nullptr);
    DialogControl& tone = *panel->page()->control(103);
    EXPECT_EQ(tone.rect(), (Rect{2, 216, 50, 228})) << "template rectangles are pixels, whatever the font";

    Probe& hosted = tone.host<Probe>();
    tone.place({2, 230, 62, 245});
    EXPECT_EQ(hosted.size(), (Point{60, 15})) << "the component fills its control where it goes";
    panel->fitToContent(2);
    runEvents(20);
    EXPECT_EQ(panel->clientSize(), (Point{64, 247})) << "the rightmost and lowest control plus the margin";

    panel->moveTo({130, 140});
    runEvents(20);
    Point before = panel->position();
    panel->showPage("TOOLBOX_PANEL");
    runEvents(20);
    EXPECT_EQ(panel->position(), before) << "a new page keeps the panel where it is";
    EXPECT_EQ(panel->page()->control(103)->component(), nullptr) << "the page is a new one";
    EXPECT_EQ(panel->page()->control(103)->rect(), (Rect{2, 216, 50, 228}));
}

TEST_F(PanelTest, ARightClickAnywhereOpensTheMenuWhoseCommandsGoToTheHandler)
{
    Probe& hosted = panel->page()->control(101)->host<Probe>();
    panel->setMenu(panelMenu, handler);
    panel->show();
    runEvents(20);

    script.choice = 1000;
    syntheticInput::pressMouse(hosted, {5, 6}, syntheticInput::Button::right);
    EXPECT_TRUE(script.shown.empty()) << "the menu waits until the press is delivered";
    runEvents(20);
    ASSERT_EQ(script.shown.size(), 1u) << "a right press on a hosted component opens the panel's menu";
    EXPECT_EQ(script.shown[0], &panelMenu);
    EXPECT_TRUE(hosted.mice.empty()) << "the menu takes the press";
    EXPECT_EQ(handler.commands, (std::vector<uint32_t>{1000}));

    handler.disabled = {1001};
    script.choice = 1001;
    syntheticInput::pressMouse(*panel, {1, 1}, syntheticInput::Button::right);
    runEvents(20);
    EXPECT_EQ(script.shown.size(), 2u) << "a right press on the panel itself too";
    EXPECT_EQ(handler.commands.size(), 1u) << "a disabled item cannot be chosen";

    syntheticInput::pressMouse(hosted, {5, 6}, syntheticInput::Button::left);
    EXPECT_EQ(hosted.mice, (std::vector<MouseEvent::Kind>{MouseEvent::leftDown}))
        << "left presses stay the component's";

    script.choice = commands::closePanel;
    panel->popUpMenu({40, 50});
    EXPECT_EQ(script.at, (Point{40, 50}));
    EXPECT_FALSE(panel->isVisible()) << "close hides when the handler leaves it";
    EXPECT_EQ(handler.commands.back(), commands::closePanel);
}

TEST_F(PanelTest, TheWindowManagersCloseHidesAndItsMaximiseBecomesThePanelsCommand)
{
    panel->setMenu(panelMenu, handler, 1000);
    panel->show();
    runEvents(20);
    Rect before = panel->frameRect();
    syntheticInput::requestMaximise(*panel);
    EXPECT_TRUE(runEvents(0, [&] { return !handler.commands.empty(); }));
    runEvents(20);
    EXPECT_EQ(handler.commands, (std::vector<uint32_t>{1000}));
    EXPECT_EQ(panel->frameRect().width(), before.width()) << "the panel keeps its size";

    handler.takesClose = true;
    EXPECT_FALSE(panel->close());
    EXPECT_TRUE(panel->isVisible()) << "a handler that takes the close decides";
    handler.takesClose = false;
    panel->close();
    EXPECT_FALSE(panel->isVisible()) << "closing only hides";
    EXPECT_EQ(handler.commands.back(), commands::closePanel);
}

TEST_F(PanelTest, TheKeysStayWithTheDocumentWindowAfterThePanelShowsAndIsClicked)
{
    // Where the document window's view is: inside the frame, with the keys.
    Probe& document = *new Probe(workspace.handle());
    document.place({0, 0, 50, 50});
    document.show();
    workspace.bringToFront();
    document.setFocus();
    runEvents(20);
    Probe& hosted = panel->page()->control(101)->host<Probe>();
    panel->show();
    runEvents(20);
    syntheticInput::pressMouse(hosted, {3, 3}, syntheticInput::Button::left);
    syntheticInput::releaseMouse(hosted, {3, 3}, syntheticInput::Button::left);
    runEvents(20);
    EXPECT_FALSE(hosted.hasFocus()) << "a panel's component never takes the focus";
    syntheticInput::pressKeyWhereFocused('W', 0, "w");
    EXPECT_EQ(document.keys, (std::vector<uint32_t>{'W'}));
    EXPECT_TRUE(hosted.keys.empty());
    document.destroy();
}

TEST_F(PanelTest, APostedCommandRunsAfterTheEventInHandThroughTheFramesRouting)
{
    client.onCommand = [&](uint32_t id) {
        if (id == 1)
            workspace.postCommand(commands::firstTool);
    };
    workspace.postCommand(1);
    EXPECT_TRUE(client.commands.empty()) << "nothing runs at once";
    EXPECT_TRUE(runEvents(0, [&] { return client.commands.size() == 2; }));
    EXPECT_EQ(client.commands, (std::vector<uint32_t>{1, commands::firstTool}));
}

TEST(ContextMenuTest, AScriptChoosesAmongEnabledItemsSubmenusIncluded)
{
    testApplication();
    ChoosingScript script;
    ContextMenuScript* previous = installContextMenuScript(&script);
    const MenuItem menu{0, "", {{7, "seven"}, {0, "more", {{8, "eight"}, {9, "nine"}}}}};
    std::vector<uint32_t> sent;
    std::vector<uint32_t> asked;
    auto state = [&](MenuState& popup) {
        asked.push_back(popup.firstId());
        popup.enable(9, false);
    };
    for (uint32_t choice : {8u, 9u, 7u, 0u, 42u}) {
        script.choice = choice;
        ContextMenu::popUp(
            menu, {3, 4}, [&](uint32_t id) { sent.push_back(id); }, state);
    }
    EXPECT_EQ(sent, (std::vector<uint32_t>{8, 7})) << "disabled, none and unknown send nothing";
    EXPECT_EQ(script.at, (Point{3, 4}));
    EXPECT_EQ(asked.size(), 10u) << "the menu and its submenu ask for their state each time";

    script.choice = 8;
    ContextMenu::popUp(menu.items[1], {0, 0}, [&](uint32_t id) { sent.push_back(id); });
    EXPECT_EQ(sent.back(), 8u) << "a submenu of a resource pops up on its own";
    installContextMenuScript(previous);
}

} // namespace
