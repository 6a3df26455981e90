#include "app/ToolBoxPanel.h"
#include "app/ColorIndicator.h"
#include "app/ToneIndicator.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "framework/ContextMenu.h"
#include "framework/DialogPage.h"
#include "framework/FloatingPanel.h"
#include "framework/FrameClient.h"
#include "framework/MDIWorkSpace.h"
#include "framework/ScriptedColorChooser.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "panels/ToggleButtonsPlug.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "tests/framework/EventLoop.h"
#include "views/ToolBox.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using syntheticInput::Button;

class RecordingClient : public FrameClient {
public:
    bool command(uint32_t id) override
    {
        commands.push_back(id);
        return true;
    }
    void menuOpening(MenuState&) override {}
    void dropFiles(const std::vector<std::string>&) override {}
    bool frameClosing() override { return true; }
    std::vector<uint32_t> commands;
};

class ChoosingScript : public ContextMenuScript {
public:
    uint32_t choose(const MenuItem& items, Point) override
    {
        shown.push_back(&items);
        return choice;
    }
    std::vector<const MenuItem*> shown;
    uint32_t choice = 0;
};

// The tool box is the program's one: each test leaves it as it found it.
class ToolBoxPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        previousScript = installContextMenuScript(&script);
        tools.setTool(ToolBox::pencil);
        tools.setUnit(ToolBox::dot);
        workspace.show();
        panel.panel().show();
        runEvents(20);
    }
    void TearDown() override
    {
        panel.setModel(nullptr);
        installContextMenuScript(previousScript);
        tools.setTool(savedTool);
        tools.setUnit(savedUnit);
    }

    // A new picture that lives as long as something shows it.
    static BitmapDocument* picture(bool fullColor)
    {
        auto* document = new BitmapDocument(NewParams::current());
        document->newContent({fullColor, 0, rgb(255, 255, 255), {16, 16}, {8, 8}}, "no-such-palette.rgb", "t");
        return document;
    }
    static Point centreOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    void press(ToggleButtonsPlug& bank, int n) { syntheticInput::pressMouse(bank, cellCentre(bank, n), Button::left); }
    static Point cellCentre(ToggleButtonsPlug& bank, int n) { return centreOf(bank.geometry().cellRect(n)); }
    // The colours of the indicator's pixels in rect.
    static std::set<ColorRef> coloursIn(Visual::Component& component, const Rect& rect)
    {
        component.invalidateAll();
        component.updateNow();
        std::set<ColorRef> colours;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                colours.insert(component.surface().pixelAt({x, y}));
        return colours;
    }

    Application& application = testApplication();
    ToolBox& tools = ToolBox::current();
    int savedTool = tools.tool();
    int savedUnit = tools.unit();
    RecordingClient client;
    MDIWorkSpace workspace{client, "Tilvaner"};
    ToolBoxPanel panel{workspace};
    ChoosingScript script;
    ContextMenuScript* previousScript = nullptr;
};

TEST_F(ToolBoxPanelTest, TheControlsStackBelowEachOtherAsWideAsTheBanks)
{
    DialogPage& page = *panel.panel().page();
    Point units = panel.unitButtons().geometry().extent();
    Point toolSize = panel.toolButtons().geometry().extent();
    int width = std::max(units.x, toolSize.x);
    Rect unitRect = page.control(100)->rect();
    Rect toolRect = page.control(101)->rect();
    Rect colourRect = page.control(102)->rect();
    Rect toneRect = page.control(103)->rect();
    EXPECT_EQ(unitRect, Rect::fromSize({2, 2}, units));
    EXPECT_EQ(toolRect, Rect::fromSize({2, unitRect.bottom + 2}, toolSize));
    EXPECT_EQ(colourRect, Rect::fromSize({2, toolRect.bottom + 2}, {width, width}));
    EXPECT_EQ(toneRect, Rect::fromSize({2, colourRect.bottom + 2}, {width, width / 4}));
    EXPECT_EQ(panel.panel().clientSize(), (Point{width + 4, toneRect.bottom + 2}));
    EXPECT_EQ(panel.panel().title(), "ツール");
}

TEST_F(ToolBoxPanelTest, ABankPressChoosesTheToolOrUnitAndTheBanksFollowTheToolBox)
{
    EXPECT_EQ(panel.toolButtons().selection(), ToolBox::pencil);
    press(panel.toolButtons(), ToolBox::line);
    EXPECT_EQ(tools.tool(), ToolBox::line);
    tools.setTool(ToolBox::rect);
    EXPECT_EQ(panel.toolButtons().selection(), ToolBox::rect) << "a tool chosen by key shows";

    press(panel.unitButtons(), ToolBox::block);
    EXPECT_EQ(tools.unit(), ToolBox::block);
    EXPECT_TRUE(panel.command(commands::dotUnit, nullptr));
    EXPECT_EQ(panel.unitButtons().selection(), ToolBox::dot);
    EXPECT_FALSE(panel.command(commands::firstTool, nullptr)) << "tool commands are the application's";
    EXPECT_TRUE(client.commands.empty()) << "a plain press posts nothing";
}

TEST_F(ToolBoxPanelTest, ADoubleClickPostsTheToolsCommandAndTheDrawButtonOffersItsSizes)
{
    syntheticInput::doubleClickMouse(panel.toolButtons(), cellCentre(panel.toolButtons(), ToolBox::pencil),
                                     Button::left);
    EXPECT_TRUE(client.commands.empty()) << "posted, not sent at once";
    EXPECT_TRUE(runEvents(0, [&] { return !client.commands.empty(); }));
    EXPECT_EQ(client.commands, (std::vector<uint32_t>{commands::pencilTool}));

    script.choice = commands::firstDrawSize + 2;
    press(panel.toolButtons(), ToolBox::draw);
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0], &findMenu("TOOL_MENU")->items[ToolBox::draw]);
    EXPECT_TRUE(runEvents(0, [&] { return client.commands.size() == 2; }));
    EXPECT_EQ(client.commands.back(), commands::firstDrawSize + 2);

    syntheticInput::doubleClickMouse(panel.unitButtons(), cellCentre(panel.unitButtons(), ToolBox::dot), Button::left);
    runEvents(20);
    EXPECT_EQ(tools.unit(), ToolBox::dot);
    EXPECT_EQ(client.commands.size(), 2u) << "the unit commands stay in the panel";
}

TEST_F(ToolBoxPanelTest, TheColourSquaresShowBothColoursAndWithoutADocumentBlackOnWhite)
{
    ColorIndicator& colours = panel.colorIndicator();
    Rect inner = colours.innerSquare();
    Point side = colours.size();
    EXPECT_EQ(coloursIn(colours, {0, 0, side.x, inner.top}), std::set<ColorRef>{rgb(255, 255, 255)});
    EXPECT_EQ(coloursIn(colours, inner), std::set<ColorRef>{rgb(0, 0, 0)});

    BitmapDocument* document = picture(true);
    document->setDrawingColor(rgb(200, 10, 10));
    document->setBackgroundColor(rgb(10, 10, 200));
    panel.setModel(document);
    EXPECT_EQ(coloursIn(colours, inner), std::set<ColorRef>{rgb(200, 10, 10)}) << "a full-colour picture: no labels";
    EXPECT_EQ(coloursIn(colours, {0, 0, side.x, inner.top}), std::set<ColorRef>{rgb(10, 10, 200)});
    document->setDrawingColor(rgb(0, 90, 0));
    EXPECT_EQ(coloursIn(colours, inner), std::set<ColorRef>{rgb(0, 90, 0)}) << "it follows the document";
}

TEST_F(ToolBoxPanelTest, AnIndexedPicturesSquaresCarryTheirPositionsInAReadableInk)
{
    BitmapDocument* document = picture(false);
    BitmapPalette& palette = *document->palette();
    palette.setColorAt(0x2A, rgb(250, 250, 250));
    palette.setColorAt(0x03, rgb(5, 5, 5));
    palette.changed();
    document->setDrawingColor(paletteIndex(0x2A));
    document->setBackgroundColor(paletteIndex(0x03));
    panel.setModel(document);
    ColorIndicator& colours = panel.colorIndicator();
    Rect inner = colours.innerSquare();
    Point side = colours.size();
    std::set<ColorRef> drawing = coloursIn(colours, inner);
    EXPECT_TRUE(drawing.count(rgb(250, 250, 250)));
    EXPECT_TRUE(drawing.count(rgb(0, 0, 0))) << "black digits on a bright colour";
    std::set<ColorRef> ring = coloursIn(colours, {0, inner.bottom, side.x, side.y});
    EXPECT_TRUE(ring.count(rgb(5, 5, 5)));
    EXPECT_TRUE(ring.count(rgb(255, 255, 255))) << "white digits on a dark colour";
    EXPECT_EQ(coloursIn(colours, {0, 0, side.x, inner.top}), std::set<ColorRef>{rgb(5, 5, 5)})
        << "the label sits at the bottom";
}

TEST_F(ToolBoxPanelTest, AClickChoosesTheColourOfItsSquareOnlyInAFullColourPicture)
{
    ScriptedColorChooser chooser;
    ColorIndicator& colours = panel.colorIndicator();
    BitmapDocument* document = picture(true);
    document->setDrawingColor(rgb(1, 2, 3));
    document->setBackgroundColor(rgb(4, 5, 6));
    panel.setModel(document);
    chooser.answerNext(rgb(9, 9, 9));
    chooser.answerNext(rgb(7, 7, 7));
    syntheticInput::pressMouse(colours, centreOf(colours.innerSquare()), Button::left);
    syntheticInput::pressMouse(colours, {1, 1}, Button::left);
    EXPECT_EQ(chooser.requests(), (std::vector<ColorRef>{rgb(1, 2, 3), rgb(4, 5, 6)}));
    EXPECT_EQ(document->drawingColor(), rgb(9, 9, 9));
    EXPECT_EQ(document->backgroundColor(), rgb(7, 7, 7));

    BitmapDocument* indexed = picture(false);
    panel.setModel(indexed);
    ColorRef drawing = indexed->drawingColor();
    syntheticInput::pressMouse(colours, centreOf(colours.innerSquare()), Button::left);
    EXPECT_EQ(chooser.requests().size(), 2u) << "an indexed picture's colours come from the palette panels";
    EXPECT_EQ(indexed->drawingColor(), drawing);
    panel.setModel(nullptr);
    syntheticInput::pressMouse(colours, {1, 1}, Button::left);
    EXPECT_EQ(chooser.requests().size(), 2u);
}

TEST_F(ToolBoxPanelTest, TheToneStripShowsThePatternAndAClickAsksForAnother)
{
    ToneIndicator& tone = panel.toneIndicator();
    Rect all = Rect::fromSize({}, tone.size());
    EXPECT_EQ(coloursIn(tone, all), std::set<ColorRef>{rgb(0, 0, 0)}) << "nothing shown is solid";
    BitmapDocument* document = picture(true);
    panel.setModel(document);
    EXPECT_EQ(coloursIn(tone, all), std::set<ColorRef>{rgb(0, 0, 0)}) << "the solid tone";
    document->setDrawingTone(3);
    EXPECT_EQ(coloursIn(tone, all), (std::set<ColorRef>{rgb(0, 0, 0), rgb(255, 255, 255)}));

    // The tone dialog, cancelled, for the picture shown; nothing without one.
    std::vector<BitmapDocument*> asked;
    ScriptedDialogs script;
    auto record = [&](ModalDialog& d) {
        if (d.caption() == "トーン")
            asked.push_back(document);
    };
    script.answerNext(record);
    syntheticInput::pressMouse(tone, {2, 2}, Button::left);
    panel.setModel(nullptr);
    script.answerNext(record);
    syntheticInput::pressMouse(tone, {2, 2}, Button::left);
    EXPECT_EQ(asked, (std::vector<BitmapDocument*>{document}));
}

} // namespace
