#include "app/InformationPanel.h"
#include "app/InformationSubPanel.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "framework/ContextMenu.h"
#include "framework/FloatingPanel.h"
#include "framework/FrameClient.h"
#include "framework/MDIWorkSpace.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "resources/Menus.h"
#include "tests/framework/EventLoop.h"
#include "views/DocumentViews.h"
#include "views/EditView.h"
#include "views/ToolBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Sub = InformationDisplay::Sub;

struct QuietClient : FrameClient {
    bool command(uint32_t) override { return false; }
    void menuOpening(MenuState&) override {}
    void dropFiles(const std::vector<std::string>&) override {}
    bool frameClosing() override { return true; }
};

// Chooses one id from every menu that pops up and notes the captions it was shown.
class ChoosingScript : public ContextMenuScript {
public:
    explicit ChoosingScript(uint32_t id) : m_id(id), m_previous(installContextMenuScript(this)) {}
    ~ChoosingScript() { installContextMenuScript(m_previous); }
    uint32_t choose(const MenuItem& items, Point) override
    {
        for (const MenuItem& item : items.items)
            captions.emplace_back(item.caption);
        return m_id;
    }
    std::vector<std::string> captions;

private:
    uint32_t m_id;
    ContextMenuScript* m_previous;
};

class InformationPanelTest : public testing::Test {
protected:
    void TearDown() override
    {
        if (views)
            views->destroy();
        runEvents(20);
    }

    // A white 16 x 16 picture in a window of its own at zoom 4, its dot (1, 1) red.
    void open(bool fullColor)
    {
        document = new BitmapDocument(NewParams::current());
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.fullColor = fullColor;
        params.imageSize = {16, 16};
        document->newContent(params, "/nonexistent/default.rgb", "t");
        views = new DocumentViews(nullptr, *document, tools, 4);
        views->place(Rect::fromSize({300, 300}, {116, 116}));
        views->show();
        runEvents(50);
    }
    EditView& view() const { return views->editView(); }
    InformationSubPanel& sub(Sub s) const { return information.sub(s); }
    Point at(Sub s) const
    {
        Rect r = sub(s).frameRect();
        return {r.left, r.top};
    }
    std::vector<bool> shown() const
    {
        std::vector<bool> result;
        for (int s = 0; s < InformationDisplay::subCount; ++s)
            result.push_back(information.isSubShown(Sub(s)));
        return result;
    }
    void moveOver(Point dot) { syntheticInput::moveMouse(view(), view().dotToView(dot), false); }

    Application& application = testApplication();
    QuietClient client;
    MDIWorkSpace workspace{client, "Tilvaner"};
    InformationPanel information{workspace};
    ToolBox tools;
    BitmapDocument* document = nullptr;
    DocumentViews* views = nullptr;
};

TEST_F(InformationPanelTest, WithoutAViewOnlyThePositionIsShownAndNothingIsWritten)
{
    EXPECT_EQ(information.panel().title(), "情報");
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, false, false}));
    EXPECT_EQ(at(InformationDisplay::position), (Point{-1, 0}));
    for (Sub s : {InformationDisplay::selection, InformationDisplay::color})
        EXPECT_EQ(at(s), InformationSubPanel::parked);
    information.showPosition({3, 4});
    EXPECT_EQ(sub(InformationDisplay::position).field(100), "") << "no document is bound";
}

TEST_F(InformationPanelTest, ShownSubPanelsStackInIndexOrderOnePixelApart)
{
    struct Row {
        std::vector<Sub> show;
        std::vector<Sub> hide;
    };
    for (const Row& row : {
             Row{{InformationDisplay::color, InformationDisplay::selection}, {}},
             Row{{InformationDisplay::footprint}, {InformationDisplay::selection}},
             Row{{InformationDisplay::scale, InformationDisplay::rotation}, {InformationDisplay::position}},
         }) {
        information.hideAll();
        information.showSub(InformationDisplay::position);
        for (Sub s : row.show)
            information.showSub(s);
        for (Sub s : row.hide)
            information.hideSub(s);
        Point extent;
        for (int s = 0; s < InformationDisplay::subCount; ++s) {
            if (!information.isSubShown(Sub(s))) {
                EXPECT_EQ(at(Sub(s)), InformationSubPanel::parked) << s;
                continue;
            }
            EXPECT_EQ(at(Sub(s)), (Point{-1, extent.y})) << s;
            extent = {std::max(extent.x, sub(Sub(s)).extent().x), extent.y + sub(Sub(s)).extent().y + 1};
        }
        Rect frame = information.panel().frameRect();
        EXPECT_EQ((Point{frame.width(), frame.height()}), extent) << "the panel fits the stack";
    }
}

TEST_F(InformationPanelTest, ThePositionCountsFromTheDocumentsOffset)
{
    open(true);
    document->information().setOffset({10, 20}, true);
    information.rebind(&view());
    EXPECT_EQ(information.view(), &view());
    moveOver({15, 5});
    EXPECT_EQ(sub(InformationDisplay::position).field(100), "5");
    EXPECT_EQ(sub(InformationDisplay::position).field(101), "15");
}

TEST_F(InformationPanelTest, ShowingAHiddenSubPanelClearsItsFields)
{
    open(true);
    information.rebind(&view());
    information.showSub(InformationDisplay::rotation);
    information.showRotation(-std::numbers::pi / 2);
    EXPECT_EQ(sub(InformationDisplay::rotation).field(100), "270");
    EXPECT_EQ(sub(InformationDisplay::rotation).field(101), ".00");
    information.showSub(InformationDisplay::rotation);
    EXPECT_EQ(sub(InformationDisplay::rotation).field(100), "270") << "already shown: kept";
    information.hideSub(InformationDisplay::rotation);
    information.showRotation(1);
    information.showSub(InformationDisplay::rotation);
    EXPECT_EQ(sub(InformationDisplay::rotation).field(100), "");
}

TEST_F(InformationPanelTest, TheEyedropperShowsAnIndexedColourAtThePalettesPrecision)
{
    open(false);
    document->palette()->setPrecision(5);
    document->palette()->setColorAt(200, rgb(255, 255, 255));
    document->fillRect({1, 1, 2, 2}, paletteIndex(200));
    information.rebind(&view());
    tools.setTool(ToolBox::eyedropper);
    moveOver({1, 1});
    for (int id : {100, 101, 102})
        EXPECT_EQ(sub(InformationDisplay::color).field(id), " 31/31") << id;
}

TEST_F(InformationPanelTest, TheToolsChooseTheirSubPanelsAndTheDrawSquareIsReported)
{
    open(true);
    information.rebind(&view());
    tools.setTool(ToolBox::draw);
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, true, true}));
    syntheticInput::pressMouse(view(), view().dotToView({5, 6}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({5, 6}), syntheticInput::Button::left);
    EXPECT_EQ(sub(InformationDisplay::footprint).field(100), "5");
    EXPECT_EQ(sub(InformationDisplay::footprint).field(101), "6");
    tools.setTool(ToolBox::pencil);
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, false, false}));
}

TEST_F(InformationPanelTest, TheOptionsCommandOpensTheOffsetDialogOnlyWithADocument)
{
    ScriptedDialogs script;
    std::vector<std::string> captions;
    script.answerNext([&](ModalDialog& d) { captions.push_back(d.caption()); });
    EXPECT_TRUE(information.command(commands::informationOptions, nullptr));
    EXPECT_TRUE(captions.empty());
    open(true);
    information.rebind(&view());
    EXPECT_TRUE(information.command(commands::informationOptions, nullptr));
    EXPECT_EQ(captions, std::vector<std::string>{"情報オプション"});
}

TEST_F(InformationPanelTest, ItsMenuOffersTheOptionsOnlyWithADocumentAndCloses)
{
    ScriptedDialogs dialogs;
    std::vector<std::string> captions;
    dialogs.answerNext([&](ModalDialog& d) { captions.push_back(d.caption()); });
    {
        ChoosingScript menu(commands::informationOptions);
        information.panel().popUpMenu({10, 10});
        ASSERT_EQ(menu.captions.size(), 2u);
        EXPECT_EQ(menu.captions[1], "オプション(&O)...");
    }
    EXPECT_TRUE(captions.empty()) << "disabled without a document";
    open(true);
    information.rebind(&view());
    {
        ChoosingScript menu(commands::informationOptions);
        information.panel().popUpMenu({10, 10});
    }
    EXPECT_EQ(captions, std::vector<std::string>{"情報オプション"});

    information.panel().setShown(true);
    {
        ChoosingScript menu(commands::closePanel);
        information.panel().popUpMenu({10, 10});
    }
    EXPECT_FALSE(information.panel().isVisible());
}

TEST_F(InformationPanelTest, AClosedViewLeavesThePanelBoundToNothing)
{
    open(true);
    information.rebind(&view());
    tools.setTool(ToolBox::eyedropper);
    views->destroy();
    views = nullptr;
    EXPECT_EQ(information.view(), nullptr);
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, false, false}));
}

TEST_F(InformationPanelTest, ViewsClosingAfterTheFrameFindThePanelGone)
{
    auto* frame = new MDIWorkSpace(client, "second");
    {
        InformationPanel second(*frame);
        open(true);
        second.rebind(&view());
        frame->destroy();
        EXPECT_FALSE(second.isSubShown(InformationDisplay::position));
        views->destroy();
        views = nullptr;
        EXPECT_EQ(second.view(), nullptr);
    }
}

} // namespace
