#include "core/Aspects.h"
#include "core/ScheduledWindowPlug.h"
#include "framework/AcceleratorFilter.h"
#include "framework/FrameClient.h"
#include "framework/MDIWorkSpace.h"
#include "framework/MenuState.h"
#include "framework/ScheduledWindow.h"
#include "framework/SyntheticInput.h"
#include "resources/Accelerators.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/VirtualKey.h"
#include "tests/core/Listener.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

// A document as a window sees it: a caption, a close answer, and a note of its own end.
class FakeDocument : public Model, public ScheduledWindowPlug {
public:
    explicit FakeDocument(std::string title, bool* gone = nullptr) : m_title(std::move(title)), m_gone(gone) {}
    void* valueFor(const Aspect* aspect) override
    {
        return aspect == &aspects::ScheduledWindow::Plug::access ? offer<ScheduledWindowPlug>(this)
                                                                 : Model::valueFor(aspect);
    }
    void lastDependentRemoved() override
    {
        if (m_gone)
            *m_gone = true;
        delete this;
    }
    std::string caption() const override { return m_title; }
    bool closeQuery() override { return mayClose; }
    void rename(std::string title)
    {
        m_title = std::move(title);
        changed(&aspects::ScheduledWindow::Plug::access);
    }

    bool mayClose = true;

private:
    std::string m_title;
    bool* m_gone;
};

class RecordingClient : public FrameClient {
public:
    bool command(uint32_t id) override
    {
        commands.push_back(id);
        return true;
    }
    void menuOpening(MenuState& popup) override
    {
        popup.enableAll(true);
        for (uint32_t id : disabled)
            popup.enable(id, false);
    }
    void dropFiles(const std::vector<std::string>&) override {}
    bool frameClosing() override { return true; }

    std::vector<uint32_t> commands;
    std::vector<uint32_t> disabled;
};

class WorkSpaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        workspace.setMenu(mainMenu(), mainAccelerators(), menus::windowMenuIndex);
        workspace.show();
        activations.follow(&workspace);
    }

    ScheduledWindow& open(FakeDocument* document)
    {
        auto* window = new ScheduledWindow(workspace, *document);
        window->show();
        workspace.activate(*window);
        runEvents(20);
        return *window;
    }

    Application& application = testApplication();
    RecordingClient client;
    MDIWorkSpace workspace{client, "Tilvaner"};
    Listener activations;
};

TEST_F(WorkSpaceTest, ActivationIsAnnouncedAndTheLastCloseLeavesNoActiveWindow)
{
    bool firstGone = false;
    ScheduledWindow& first = open(new FakeDocument("a.bmp", &firstGone));
    ScheduledWindow& second = open(new FakeDocument("b.bmp(RGB)"));
    EXPECT_EQ(workspace.activeDocumentWindow(), &second);
    EXPECT_EQ(second.title(), "b.bmp(RGB)");
    int before = activations.count(&aspects::WorkSpace::activate);

    workspace.activate(first);
    EXPECT_EQ(workspace.activeDocumentWindow(), &first);
    EXPECT_GT(activations.count(&aspects::WorkSpace::activate), before);

    EXPECT_TRUE(workspace.closeAllDocumentWindows());
    runEvents(20);
    EXPECT_EQ(workspace.activeDocumentWindow(), nullptr);
    EXPECT_TRUE(workspace.documentWindows().empty());
    EXPECT_TRUE(firstGone) << "a document whose last window closed destroys itself";
}

TEST_F(WorkSpaceTest, ClosingAllStopsAtAWindowThatRefuses)
{
    auto* stubborn = new FakeDocument("keep.bmp");
    stubborn->mayClose = false;
    open(new FakeDocument("a.bmp"));
    ScheduledWindow& kept = open(stubborn);
    open(new FakeDocument("c.bmp"));
    workspace.activate(kept);

    EXPECT_FALSE(workspace.closeAllDocumentWindows());
    runEvents(20);
    ASSERT_EQ(workspace.documentWindows().size(), 3u) << "the active window refuses first and stops the rest";
    EXPECT_EQ(workspace.activeDocumentWindow(), &kept);

    stubborn->mayClose = true;
    EXPECT_TRUE(workspace.closeAllDocumentWindows());
}

TEST_F(WorkSpaceTest, ACaptionFollowsItsDocumentAndAReopenedDocumentComesToTheFront)
{
    auto* document = new FakeDocument("Untitled-1");
    ScheduledWindow& window = open(document);
    open(new FakeDocument("other.bmp"));

    document->rename("saved.bmp");
    EXPECT_EQ(window.title(), "saved.bmp");

    document->changed(&aspects::Window::active);
    EXPECT_EQ(workspace.activeDocumentWindow(), &window);
    workspace.closeAllDocumentWindows();
}

TEST_F(WorkSpaceTest, CascadeKeepsEachSizeWithinTheAreaAndStartsAgainAtTheCorner)
{
    Rect area = workspace.areaRect();
    ScheduledWindow& first = open(new FakeDocument("a.bmp"));
    ScheduledWindow& second = open(new FakeDocument("b.bmp"));
    ScheduledWindow& huge = open(new FakeDocument("c.bmp"));
    first.place({50, 60, 350, 260});
    second.place({10, 10, 410, 190});
    huge.place({5, 5, area.right + 500, area.bottom + 300});

    workspace.cascade();
    runEvents(20);
    Rect a = first.frameRect();
    Rect b = second.frameRect();
    EXPECT_EQ(a, (Rect{0, 0, 300, 200})) << "the bottom window starts the run at the corner, keeping its size";
    int step = b.left;
    EXPECT_GT(step, 0);
    EXPECT_LT(step, 60) << "the step is a title bar";
    EXPECT_EQ(b, (Rect{step, step, step + 400, step + 180})) << "the next one goes down and right";
    EXPECT_EQ(huge.frameRect(), area) << "a window too big for the area is cut to it and, leaving it, starts again";
    EXPECT_EQ(workspace.activeDocumentWindow(), &huge) << "the order and the active window stay";
    workspace.closeAllDocumentWindows();
}

TEST_F(WorkSpaceTest, TheWindowMenuListsDocumentsAndChoosingOneActivatesIt)
{
    ScheduledWindow& first = open(new FakeDocument("a&b.bmp"));
    ScheduledWindow& second = open(new FakeDocument("c.bmp"));
    PopupMenu windows = workspace.popup(menus::windowMenuIndex);
    windows.prepare();
    uint32_t firstItem = commands::firstDocumentWindow;
    EXPECT_EQ(windows.caption(firstItem), "&1 a&&b.bmp");
    EXPECT_TRUE(windows.isChecked(firstItem + 1)) << "the active window is checked";
    EXPECT_FALSE(windows.isChecked(firstItem));

    windows.choose(firstItem);
    EXPECT_EQ(workspace.activeDocumentWindow(), &first);
    EXPECT_TRUE(client.commands.empty()) << "the workspace handles its window list itself";

    second.close();
    runEvents(20);
    windows.prepare();
    EXPECT_EQ(windows.positionOf(firstItem + 1), -1) << "a closed window leaves the list";
    workspace.closeAllDocumentWindows();
}

TEST_F(WorkSpaceTest, MenuItemsShowTheirKeysAndSendTheirIds)
{
    PopupMenu file = workspace.popup(0);
    EXPECT_EQ(file.caption(commands::writeSetFile), "SETファイルの上書き保存(&V)\tCtrl+Shift+S");
    EXPECT_EQ(file.caption(commands::save), "上書き保存(&S)");
    file.prepare();
    file.choose(commands::open);
    PopupMenu rotate = workspace.popup(2).submenu(5);
    ASSERT_TRUE(rotate.isValid());
    rotate.prepare();
    rotate.choose(commands::rotateClockwise);
    EXPECT_EQ(client.commands, (std::vector<uint32_t>{commands::open, commands::rotateClockwise}))
        << "a submenu's item is sent once";
}

TEST_F(WorkSpaceTest, ASubmenuIsDisabledOnlyWhenAllItsItemsAre)
{
    // The Image menu holds the flip, rotate and scale submenus at 4, 5 and 6.
    client.disabled = {commands::flipHorizontally, commands::flipVertically, commands::flipBoth,
                       commands::scaleWithMouse};
    PopupMenu image = workspace.popup(2);
    image.prepare();
    EXPECT_FALSE(image.isEnabledAt(4)) << "every flip is disabled";
    EXPECT_TRUE(image.isEnabledAt(5));
    EXPECT_TRUE(image.isEnabledAt(6)) << "one scale item is left";

    client.disabled = {};
    image.prepare();
    EXPECT_TRUE(image.isEnabledAt(4)) << "it comes back when an item does";
}

TEST_F(WorkSpaceTest, KeysBecomeCommandsUnlessTheirItemIsDisabled)
{
    syntheticInput::pressKey(workspace, 'N', Accelerator::control);
    syntheticInput::pressKey(workspace, keys::function(7), 0);
    syntheticInput::pressKey(workspace, 0, 0, ".");
    client.disabled = {commands::cut};
    syntheticInput::pressKey(workspace, 'X', Accelerator::control);
    syntheticInput::pressKey(workspace, 'K', 0, "k");
    syntheticInput::pressKey(workspace, 'Z', Accelerator::control);
    syntheticInput::pressKey(workspace, keys::back, Accelerator::alt);
    syntheticInput::pressKey(workspace, 0, Accelerator::alt, ".");
    EXPECT_EQ(client.commands, (std::vector<uint32_t>{commands::newDocument, commands::toolPanel,
                                                      commands::animationForward, commands::undo, commands::undo}));
}

TEST(AcceleratorTable, ModifiersMustMatchExactlyButCharacterEntriesMatchWhatWasTyped)
{
    auto table = mainAccelerators();
    EXPECT_EQ(AcceleratorFilter::translate(table, 'S', Accelerator::control | Accelerator::shift, ""),
              commands::writeSetFile);
    EXPECT_EQ(AcceleratorFilter::translate(table, 'S', 0, "s"), commands::switchUnit);
    EXPECT_EQ(AcceleratorFilter::translate(table, 'S', Accelerator::control, ""), 0u);
    EXPECT_EQ(AcceleratorFilter::translate(table, 'Q', Accelerator::shift, "Q"), commands::previousDrawingRow);
    EXPECT_EQ(AcceleratorFilter::translate(table, keys::del, Accelerator::shift, ""), commands::cut);
    EXPECT_EQ(AcceleratorFilter::translate(table, keys::escape, 0, ""), commands::selectNone);
    // "," may take Shift on some layouts; it is the character that counts.
    EXPECT_EQ(AcceleratorFilter::translate(table, 0, Accelerator::shift, ","), commands::animationBack);
    EXPECT_EQ(acceleratorTextFor(table, commands::helpContents), "Shift+F1");
    EXPECT_EQ(acceleratorTextFor(table, commands::animationBack), ",");
    EXPECT_EQ(acceleratorTextFor(table, commands::undo), "Ctrl+Z") << "Alt+Backspace undoes too";
    EXPECT_EQ(acceleratorText({keys::back, Accelerator::alt, commands::undo}), "Alt+Backspace");
}

} // namespace
