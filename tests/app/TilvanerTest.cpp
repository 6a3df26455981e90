#include "app/Tilvaner.h"
#include "app/ColorIndicator.h"
#include "app/ToneIndicator.h"
#include "app/ToolBoxPanel.h"
#include "base/Alert.h"
#include "base/ScriptedMessageBox.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/DocumentLifecycle.h"
#include "framework/FloatingPanel.h"
#include "framework/MDIWorkSpace.h"
#include "framework/ScheduledWindow.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "panels/ToggleButtonsPlug.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "resources/Menus.h"
#include "tests/framework/EventLoop.h"
#include "views/EditView.h"
#include "views/ToolBox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Each test has a folder of its own: its settings, its pictures and the meeting point of the
// program's instances, so that a running editor never hears from the tests.
class TilvanerTest : public testing::Test {
protected:
    void SetUp() override
    {
        // TempDir follows TMPDIR, which the tests change: the base is taken once.
        static const fs::path base = testing::TempDir();
        folder = base / ("tilvaner-app-" + std::to_string(getpid()) + "-" +
                         testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        setenv("TMPDIR", folder.c_str(), 1);
        testApplication();
    }
    void TearDown() override
    {
        editor.reset();
        runEvents(20);
        fs::remove_all(folder);
    }

    SettingsFile settings() const { return SettingsFile((folder / "qarvel.ini").string(), "Tilvane"); }

    Tilvaner& start(const std::vector<std::pair<std::string, std::string>>& keys = {})
    {
        SettingsFile stored = settings();
        for (const auto& [key, value] : keys)
            stored.writeString(key, value);
        stored.save();
        editor = std::make_unique<Tilvaner>(settings());
        EXPECT_TRUE(editor->start({}));
        runEvents(20);
        return *editor;
    }

    // A one-dot full-colour BMP.
    std::string picture(const std::string& name) const
    {
        static const unsigned char bytes[58] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0,  54, 0, 0, 0, 40, 0, 0, 0, 1,
                                                0,   0,   0,  1, 0, 0, 0, 1, 0, 24, 0,  0, 0, 0, 0,  4, 0, 0, 0};
        fs::path path = folder / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
        return path.string();
    }

    // A white full-colour BMP of side x side dots.
    std::string whitePicture(const std::string& name, int32_t side) const
    {
        uint32_t row = (3 * uint32_t(side) + 3) / 4 * 4, bytes = 54 + row * uint32_t(side);
        std::vector<unsigned char> file(bytes, 0xFF);
        auto put = [&](size_t at, uint32_t v, int n) {
            for (int i = 0; i < n; ++i)
                file[at + size_t(i)] = (unsigned char)(v >> (8 * i));
        };
        std::fill(file.begin(), file.begin() + 54, 0);
        file[0] = 'B', file[1] = 'M';
        put(2, bytes, 4), put(10, 54, 4), put(14, 40, 4), put(18, uint32_t(side), 4), put(22, uint32_t(side), 4);
        put(26, 1, 2), put(28, 24, 2);
        fs::path path = folder / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), bytes);
        return path.string();
    }

    ScheduledWindow* active() const { return editor->workspace()->activeDocumentWindow(); }

    fs::path folder;
    ScriptedMessageBox messages;
    std::unique_ptr<Tilvaner> editor;
};

TEST_F(TilvanerTest, StartRestoresTheFrameAndThePanelsFromTheSettings)
{
    Tilvaner& app = start({{"Window", "50,60,700,500"},
                           {"Palette-Window", "10,20,0"},
                           {"Info-Window", "300,310"},
                           {"Animation-Window", "5,6,1"}});
    EXPECT_EQ(app.workspace()->frameRect(), (Rect{50, 60, 750, 560}));
    EXPECT_TRUE(app.panel(Tilvaner::toolPanel)->isVisible()) << "shown by default";
    EXPECT_FALSE(app.panel(Tilvaner::palettePanel)->isVisible());
    EXPECT_FALSE(app.panel(Tilvaner::infoPanel)->isVisible()) << "two numbers keep the default visibility";
    EXPECT_EQ(app.panel(Tilvaner::infoPanel)->position(), (Point{300, 310}));
    EXPECT_TRUE(app.panel(Tilvaner::animationPanel)->isVisible());
}

TEST_F(TilvanerTest, PanelsStayOnTheDesktopAndHugeNumbersGiveTheirDefaults)
{
    Tilvaner& app = start({{"Window", "50,60,700,500"},
                           {"Tool-Window", "2147483647,-2147483648,1"},
                           {"Palette-Window", "99999999999,5,0"}});
    Rect desktop = app.workspace()->desktopRect();
    int toolWidth = app.panel(Tilvaner::toolPanel)->clientSize().x;
    EXPECT_EQ(app.panel(Tilvaner::toolPanel)->position(), (Point{desktop.right - toolWidth, desktop.top}));
    EXPECT_EQ(app.panel(Tilvaner::palettePanel)->position(), (Point{750 - 220, 60 + 80}));
    EXPECT_TRUE(app.panel(Tilvaner::palettePanel)->isVisible()) << "the whole value is unreadable";
}

TEST_F(TilvanerTest, AStoredWindowWithoutWidthKeepsTheDefaultPlacement)
{
    Tilvaner& app = start({{"Window", "50,60,0,500"}});
    EXPECT_NE(app.workspace()->frameRect().topLeft(), (Point{50, 60}));
}

TEST_F(TilvanerTest, MenusFollowTheRulesWithAndWithoutADocument)
{
    Tilvaner& app = start({{"MRU-1", "/x/one&two.bmp"}});
    PopupMenu file = app.workspace()->popup(0);
    PopupMenu window = app.workspace()->popup(menus::windowMenuIndex);
    file.prepare();
    for (uint32_t id :
         {commands::newDocument, commands::open, commands::preferences, commands::exit, commands::firstRecentFile})
        EXPECT_TRUE(file.isEnabled(id)) << id;
    for (uint32_t id : {commands::close, commands::save, commands::saveAs, commands::revert, commands::readSetFile})
        EXPECT_FALSE(file.isEnabled(id)) << id;
    EXPECT_EQ(file.caption(commands::firstRecentFile), "&1 /x/one&&two.bmp");
    window.prepare();
    for (uint32_t id : {commands::cascade, commands::tile, commands::arrangeIcons, commands::showSelectionOnly,
                        commands::toggleMesh, commands::meshSize})
        EXPECT_FALSE(window.isEnabled(id)) << id;
    EXPECT_TRUE(window.isChecked(commands::toolPanel));
    EXPECT_TRUE(window.isChecked(commands::palettePanel));
    EXPECT_FALSE(window.isChecked(commands::informationPanel));
    PopupMenu edit = app.workspace()->popup(1);
    edit.prepare();
    EXPECT_FALSE(edit.isEnabled(commands::undo));
    PopupMenu noImage = app.workspace()->popup(2);
    noImage.prepare();
    for (int flipRotateScale : {4, 5, 6})
        EXPECT_FALSE(noImage.isEnabledAt(flipRotateScale)) << "a submenu of disabled items " << flipRotateScale;

    lifecycle::newDocument({true, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    ASSERT_NE(active(), nullptr);
    EXPECT_EQ(active()->title(), "Untitled-" + std::to_string(lifecycle::nextUntitledNumber() - 1) + "(RGB)");
    file.prepare();
    EXPECT_TRUE(file.isEnabled(commands::close));
    EXPECT_TRUE(file.isEnabled(commands::saveAs));
    EXPECT_FALSE(file.isEnabled(commands::save)) << "nothing to save yet";
    EXPECT_FALSE(file.isEnabled(commands::revert));
    window.prepare();
    EXPECT_TRUE(window.isEnabled(commands::cascade));
    PopupMenu image = app.workspace()->popup(2), select = app.workspace()->popup(3);
    PopupMenu palette = app.workspace()->popup(4);
    image.prepare();
    select.prepare();
    palette.prepare();
    for (uint32_t id : {commands::duplicate, commands::blockSize, commands::canvasSize})
        EXPECT_TRUE(image.isEnabled(id)) << id;
    EXPECT_FALSE(image.isEnabled(commands::simpleColorReplacement)) << "nothing is selected";
    EXPECT_TRUE(select.isEnabled(commands::selectAll));
    EXPECT_FALSE(select.isEnabled(commands::selectNone));
    EXPECT_FALSE(palette.isEnabled(commands::editPalette)) << "a full-colour picture has no palette";
    EXPECT_TRUE(palette.isEnabled(commands::meshColor));
    lifecycle::newDocument({false, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    palette.prepare();
    EXPECT_TRUE(palette.isEnabled(commands::editPalette)) << "the indexed picture is the active one now";
    app.command(commands::close);
    runEvents(20);

    app.command(commands::toolPanel);
    window.prepare();
    EXPECT_FALSE(window.isChecked(commands::toolPanel));
    EXPECT_FALSE(app.panel(Tilvaner::toolPanel)->isVisible());

    app.command(commands::close);
    runEvents(20);
    EXPECT_EQ(active(), nullptr) << "Close shuts the window the command came from";
}

TEST_F(TilvanerTest, ADocumentCommandRunsItsDialogOnTheActiveDocument)
{
    Tilvaner& app = start();
    lifecycle::newDocument({true, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    ScriptedDialogs dialogs;
    std::string caption;
    dialogs.answerNext([&](ModalDialog& dialog) { caption = dialog.caption(); });
    app.command(608);
    EXPECT_EQ(caption, findDialogTemplate("MESH_SIZE_DIALOG")->caption) << "the active document ran it";
}

TEST_F(TilvanerTest, AToolCommandGivenAgainOpensThatToolsOptions)
{
    Tilvaner& app = start();
    lifecycle::newDocument({true, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    ScriptedDialogs dialogs;
    std::vector<std::string> captions;
    auto record = [&](ModalDialog& dialog) { captions.push_back(dialog.caption()); };
    dialogs.answerNext(record);
    dialogs.answerNext(record);
    // The hand first, whatever tool an earlier test left: it has no options.
    app.command(commands::firstTool + 5);
    app.command(commands::lineTool);
    app.command(commands::pencilTool);
    EXPECT_TRUE(captions.empty()) << "choosing another tool opens nothing";
    app.command(commands::pencilTool);
    app.command(commands::lineTool);
    app.command(commands::lineTool);
    app.command(commands::firstTool + 5);
    app.command(commands::firstTool + 5);
    EXPECT_EQ(captions, (std::vector<std::string>{findDialogTemplate("PEN_TOOL_DIALOG")->caption,
                                                  findDialogTemplate("LINE_TOOL_DIALOG")->caption}))
        << "the hand has no options";
    app.command(commands::pencilTool);
}

TEST_F(TilvanerTest, TheToolBoxFollowsTheActiveWindowAndClosingTheLastOneFreesItsDocument)
{
    Tilvaner& app = start();
    ColorIndicator& colours = app.toolBox()->colorIndicator();
    EXPECT_EQ(colours.document(), nullptr);
    BitmapDocument* first = lifecycle::newDocument({true, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    ScheduledWindow* firstWindow = active();
    BitmapDocument* second = lifecycle::newDocument({false, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    EXPECT_EQ(colours.document(), second);
    app.workspace()->activate(*firstWindow);
    runEvents(20);
    EXPECT_EQ(colours.document(), first);

    EXPECT_TRUE(app.workspace()->closeAllDocumentWindows());
    runEvents(20);
    // The sanitizer build finds the documents freed: nothing shows them any more.
    EXPECT_EQ(colours.document(), nullptr);
    EXPECT_EQ(app.toolBox()->toneIndicator().document(), nullptr);
}

TEST_F(TilvanerTest, TheEditorGoingWithAPictureOpenLetsGoOfEverything)
{
    start();
    lifecycle::newDocument({false, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    ASSERT_NE(editor->toolBox()->colorIndicator().document(), nullptr);
    editor.reset();
    runEvents(20);
}

TEST_F(TilvanerTest, ATwiceChosenToolButtonReachesTheDocumentWindow)
{
    Tilvaner& app = start();
    lifecycle::newDocument({true, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    ToolBox::current().setTool(ToolBox::pencil);
    ScriptedDialogs dialogs;
    std::string caption;
    dialogs.answerNext([&](ModalDialog& dialog) { caption = dialog.caption(); });
    ToggleButtonsPlug& tools = app.toolBox()->toolButtons();
    Rect pencil = tools.geometry().cellRect(ToolBox::pencil);
    syntheticInput::doubleClickMouse(tools, {pencil.left + 2, pencil.top + 2}, syntheticInput::Button::left);
    EXPECT_TRUE(runEvents(0, [&] { return !caption.empty(); }));
    EXPECT_EQ(caption, findDialogTemplate("PEN_TOOL_DIALOG")->caption);
}

TEST_F(TilvanerTest, WAndQStepTheDrawingIndexAndShiftStepsARow)
{
    Tilvaner& app = start();
    lifecycle::newDocument({false, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    runEvents(20);
    auto* document = static_cast<BitmapDocument*>(active()->document());
    document->setDrawingColor(paletteIndex(5));
    app.command(commands::previousDrawingRow);
    EXPECT_EQ(document->drawingColor(), paletteIndex(245)) << "a row back from 5 wraps";
    app.command(commands::nextDrawingIndex);
    EXPECT_EQ(document->drawingColor(), paletteIndex(246));
    app.command(commands::nextDrawingRow);
    app.command(commands::previousDrawingIndex);
    EXPECT_EQ(document->drawingColor(), paletteIndex(5));
    document->setDrawingColor(paletteIndex(255));
    app.command(commands::nextDrawingIndex);
    EXPECT_EQ(document->drawingColor(), paletteIndex(255)) << "single steps do not wrap";
}

TEST_F(TilvanerTest, ExitAsksForUnsavedWorkAndWritesWhereEverythingWas)
{
    Tilvaner& app = start();
    BitmapDocument* document = lifecycle::newDocument({true, 0, 0x00FFFFFF, {16, 16}, {8, 8}});
    ASSERT_NE(document, nullptr);
    document->setModified(true);
    runEvents(20);

    messages.answerNext(alertAnswer::cancel);
    app.command(commands::exit);
    runEvents(20);
    EXPECT_NE(active(), nullptr) << "Cancel keeps the picture and the program";
    EXPECT_TRUE(app.workspace()->isVisible());
    EXPECT_EQ(settings().readString("Window"), "");

    messages.answerNext(alertAnswer::no);
    app.requestExit();
    runEvents(20);
    app.exit();
    EXPECT_EQ(messages.messageIds(), (std::vector<int>{131, 131}));
    EXPECT_NE(settings().readString("Window"), "");
    EXPECT_EQ(settings().readString("Tool-Window").back(), '1');
    EXPECT_EQ(settings().readString("Info-Window").back(), '0');
}

TEST_F(TilvanerTest, TheSettingsAreReadOnceBeforeTheStartAndWrittenOnceAtExitInTheirLineEndings)
{
    fs::path path = folder / "qarvel.ini";
    std::string kept = "; mine\r\n[Other]\r\nkey=1\r\n[Tilvane]\r\nWindow=50,60,700,500\r\n";
    std::ofstream(path, std::ios::binary) << kept;
    editor = std::make_unique<Tilvaner>(settings());
    fs::remove(path);
    ASSERT_TRUE(editor->start({}));
    runEvents(20);
    EXPECT_EQ(editor->workspace()->frameRect(), (Rect{50, 60, 750, 560})) << "the start reads nothing more";

    editor->requestExit();
    runEvents(20);
    EXPECT_FALSE(fs::exists(path)) << "closing the frame only notes where everything was";
    editor->exit();
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.substr(0, kept.size()), kept);
    EXPECT_NE(text.find("Tool-Window="), std::string::npos);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << "every line ends as the file's lines do, at " << i;
        }
    }
}

TEST_F(TilvanerTest, SettingsThatCannotBeWrittenAreReportedOnceAndTheExitGoesOn)
{
    fs::path path = folder / "qarvel.ini";
    fs::create_directories(path / "inside");
    Tilvaner& app = start();
    app.requestExit();
    runEvents(20);
    app.exit();
    ASSERT_EQ(messages.messageIds(), (std::vector<int>{137}));
    EXPECT_NE(messages.requests()[0].body.find("qarvel.ini"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(path / "inside")) << "the folder in the way is left alone";
}

TEST_F(TilvanerTest, ALaterStartHandsItsAbsoluteNamesToTheRunningOne)
{
    Tilvaner& app = start();
    std::string path = picture("handed.bmp");
    fs::path before = fs::current_path();
    fs::current_path(folder);
    Tilvaner later(settings());
    bool laterRuns = later.start({"handed.bmp"});
    fs::current_path(before);
    EXPECT_FALSE(laterRuns) << "a later start ends after handing over";

    runEvents(0, [&] { return active() != nullptr; });
    ASSERT_NE(active(), nullptr);
    EXPECT_EQ(active()->title(), "handed.bmp(RGB)");
    EXPECT_EQ(app.recentFiles().fileAt(0), path);
    EXPECT_TRUE(messages.messageIds().empty());
}

TEST_F(TilvanerTest, AnOpenedPictureIsShownInItsWindow)
{
    Tilvaner& app = start();
    app.dropFiles({picture("shown.bmp")});
    runEvents(50);
    ASSERT_NE(active(), nullptr);
    auto* view = interfaceFor<EditView>(active(), &aspects::EditView::access);
    ASSERT_NE(view, nullptr);
    view->updateNow();
    EXPECT_GT(view->size().x, 100);
    Point dot = view->dotToView({0, 0});
    EXPECT_EQ(view->surface().pixelAt(dot), rgb(0, 0, 0)) << "the picture's one black dot";
    EXPECT_EQ(view->surface().pixelAt({dot.x - 1, dot.y - 1}), rgb(0, 0, 0)) << "its frame";
    EXPECT_EQ(view->surface().pixelAt({0, 0}), rgb(128, 128, 128));
    EXPECT_TRUE(view->hasFocus()) << "the keys go to the picture at once";
}

// A new window keeps clear of the panels shown over the area; it takes the free part, or only what
// a smaller picture needs at its zoom.
TEST_F(TilvanerTest, ANewWindowKeepsClearOfThePanelsAndFitsItsPicture)
{
    Tilvaner& app = start();
    Point origin = app.workspace()->areaOrigin();
    for (int32_t side : {200, 1200}) {
        SCOPED_TRACE(side);
        app.dropFiles({whitePicture("p" + std::to_string(side) + ".bmp", side)});
        runEvents(50);
        ASSERT_NE(active(), nullptr);
        Rect window = active()->frameRect();
        Rect onScreen{window.left + origin.x, window.top + origin.y, window.right + origin.x, window.bottom + origin.y};
        for (int i = 0; i < Tilvaner::panelCount; ++i) {
            if (app.panel(i)->isVisible()) {
                EXPECT_TRUE(app.panel(i)->frameRect().intersected(onScreen).isEmpty()) << "panel " << i;
            }
        }
        Point view = interfaceFor<EditView>(active(), &aspects::EditView::access)->size();
        if (side == 200) {
            EXPECT_EQ(view, (Point{side + 2, side + 2})) << "the picture and its frame";
        } else {
            Rect palette = app.panel(Tilvaner::palettePanel)->frameRect();
            EXPECT_GE(window.right + origin.x, palette.left - 8 - 1) << "up to the palette panel";
            EXPECT_EQ(window.bottom, app.workspace()->areaRect().bottom);
        }
        active()->close();
        runEvents(20);
    }
}

TEST_F(TilvanerTest, NamesHandedOverDuringADialogOpenWhenItCloses)
{
    Tilvaner& app = start();
    std::string path = picture("later.bmp");
    ScriptedDialogs dialogs;
    dialogs.answerNext([&](ModalDialog& dialog) {
        app.receiveFiles({path});
        runEvents(300);
        EXPECT_EQ(active(), nullptr) << "nothing opens under an open dialog";
        dialog.press(cancelButtonId);
    });
    app.command(commands::newDocument);
    runEvents(0, [&] { return active() != nullptr; });
    ASSERT_NE(active(), nullptr);
    EXPECT_EQ(active()->title(), "later.bmp(RGB)");
}

TEST_F(TilvanerTest, AnExitAskedForDuringADialogWaitsUntilItCloses)
{
    Tilvaner& app = start();
    ScriptedDialogs dialogs;
    dialogs.answerNext([&](ModalDialog& dialog) {
        app.requestExit();
        runEvents(300);
        EXPECT_TRUE(app.workspace()->isVisible()) << "the frame stays while the dialog is open";
        dialog.press(cancelButtonId);
    });
    app.command(commands::newDocument);
    EXPECT_TRUE(runEvents(0, [&] { return !app.workspace()->isVisible(); })) << "then it closes";
}

TEST_F(TilvanerTest, DroppedFilesOpenOneByOneAndAFailureDoesNotStopTheRest)
{
    Tilvaner& app = start();
    std::string good = picture("good.bmp");
    std::ofstream(folder / "bad.bmp") << "not a picture";
    app.dropFiles({(folder / "bad.bmp").string(), good});
    runEvents(20);
    EXPECT_EQ(messages.messageIds(), (std::vector<int>{128}));
    ASSERT_NE(active(), nullptr);
    EXPECT_EQ(active()->title(), "good.bmp(RGB)");
}

} // namespace
