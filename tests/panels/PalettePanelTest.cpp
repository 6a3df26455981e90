#include "panels/PalettePanel.h"
#include "document/UndoRecord.h"
#include "framework/Clock.h"
#include "framework/ContextMenu.h"
#include "framework/DialogPage.h"
#include "framework/FloatingPanel.h"
#include "framework/FrameClient.h"
#include "framework/MDIWorkSpace.h"
#include "framework/SyntheticInput.h"
#include "panels/PaletteFlasher.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "tests/panels/DocumentFixture.h"
#include "tests/panels/PanelTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Visual::MouseEvent;

class NoClient : public FrameClient {
public:
    bool command(uint32_t) override { return false; }
    void menuOpening(MenuState&) override {}
    void dropFiles(const std::vector<std::string>&) override {}
    bool frameClosing() override { return true; }
};

// The slim panel's strips have 12 x 12 buttons, the colour strip's swatches below them; the wide
// panel's cells are 12 x 12.
class PalettePanelTest : public testing::Test, public DocumentFixture {
protected:
    PalettePanelTest()
    {
        workspace.show();
        palettes.panel().setShown(true);
        runEvents(30);
        previousClock = Clock::install(&clock);
    }
    ~PalettePanelTest() override
    {
        palettes.setModel(nullptr);
        Clock::install(previousClock);
    }

    Visual::Component& component(int id) { return *palettes.panel().page()->control(id)->component(); }
    void showWide(bool wide)
    {
        if (palettes.isWide() != wide)
            palettes.panel().sendCommand(commands::paletteLayout);
        runEvents(30);
    }
    // A press and release with the left button.
    void click(Visual::Component& on, Point at, bool shift = false)
    {
        on.dispatchMouse(mouseAt(MouseEvent::leftDown, at, shift));
        on.dispatchMouse(mouseAt(MouseEvent::leftUp, at, shift));
    }
    ColorRef pixel(int id, Point at)
    {
        Visual::Component& on = component(id);
        runEvents(0, [&] { return on.surface().extent() == on.size(); });
        on.invalidateAll();
        on.updateNow();
        return on.surface().pixelAt(at);
    }
    static Point cell(int n) { return {n % 16 * 12 + 5, n / 16 * 12 + 5}; }

    NoClient client;
    MDIWorkSpace workspace{client, "Tilvaner"};
    PalettePanel palettes{workspace};
    TestClock clock;
    const Clock* previousClock = nullptr;
};

TEST_F(PalettePanelTest, TheSlimStripsChooseRowAndColourAndShiftMeansBackgroundOnlyOnTheColours)
{
    BitmapDocument& document = makeDocument(false);
    document.setDrawingColor(paletteIndex(0x37));
    document.setBackgroundColor(paletteIndex(0x05));
    palettes.setModel(&document);
    EXPECT_FALSE(palettes.isWide());

    click(component(100), {0xA * 12 + 5, 5}, true);
    EXPECT_EQ(document.drawingColor(), paletteIndex(0xA7)) << "a row button always moves the drawing colour";
    EXPECT_EQ(document.backgroundColor(), paletteIndex(0x05));
    click(component(101), {0xE * 12 + 5, 5}, true);
    EXPECT_EQ(document.backgroundColor(), paletteIndex(0xAE)) << "Shift on a colour button";
    EXPECT_EQ(document.drawingColor(), paletteIndex(0xA7));
    click(component(101), {2 * 12 + 5, 18});
    EXPECT_EQ(document.drawingColor(), paletteIndex(0xA2));

    EXPECT_EQ(pixel(101, {0 * 12 + 5, 18}), entryColor(0xA0)) << "the swatches show the drawing colour's row";
    EXPECT_EQ(pixel(101, {15 * 12 + 5, 18}), entryColor(0xAF));
    EXPECT_EQ(pixel(101, {2 * 12, 12}), rgb(255, 255, 255)) << "the chosen swatch is framed, white on a dark colour";
    EXPECT_EQ(pixel(101, {2 * 12 + 1, 13}), entryColor(0xA2));
    EXPECT_FALSE(document.isModified());
}

TEST_F(PalettePanelTest, TheWideGridChoosesAnyEntryAndFramesItByBrightness)
{
    BitmapDocument& document = makeDocument(false);
    palettes.setModel(&document);
    palettes.panel().moveTo({300, 200});
    Point before = palettes.panel().position();
    showWide(true);
    EXPECT_TRUE(palettes.isWide());
    EXPECT_EQ(palettes.panel().position(), before) << "the layouts swap in place";

    click(component(100), cell(0x34));
    EXPECT_EQ(document.drawingColor(), paletteIndex(0x34));
    click(component(100), cell(0xF0), true);
    EXPECT_EQ(document.backgroundColor(), paletteIndex(0xF0));
    EXPECT_EQ(pixel(100, {4 * 12, 3 * 12}), rgb(0, 0, 0)) << "brightness 138";
    EXPECT_EQ(pixel(100, cell(0x35)), entryColor(0x35));

    document.setDrawingColor(paletteIndex(0xF0));
    EXPECT_EQ(pixel(100, {0, 15 * 12}), rgb(255, 255, 255)) << "brightness 94, and the panel follows the colour";
    EXPECT_EQ(pixel(100, {4 * 12, 3 * 12}), entryColor(0x34));
    document.palette()->stepDrawingIndex(1);
    EXPECT_EQ(pixel(100, {12, 15 * 12}), rgb(255, 255, 255)) << "W moves the frame as the document's key does";

    showWide(false);
    EXPECT_FALSE(palettes.isWide());
    palettes.panel().sendCommand(commands::closePanel);
    EXPECT_FALSE(palettes.panel().isVisible()) << "closing hides the panel";
}

TEST_F(PalettePanelTest, WithoutAPaletteTheSwatchesAreBlackAndPressesChangeNothing)
{
    BitmapDocument& fullColor = makeDocument(true);
    ColorRef drawing = fullColor.drawingColor();
    for (BitmapDocument* document : {static_cast<BitmapDocument*>(nullptr), &fullColor}) {
        palettes.setModel(document);
        showWide(false);
        EXPECT_EQ(pixel(101, {5, 18}), rgb(0, 0, 0));
        click(component(100), {5, 5});
        click(component(101), {5, 18}, true);
        showWide(true);
        EXPECT_EQ(pixel(100, cell(200)), rgb(0, 0, 0));
        click(component(100), cell(200));
        clock.advance(10 * Clock::doubleClickTime());
        component(100).idleStep();
    }
    EXPECT_EQ(fullColor.drawingColor(), drawing);
    EXPECT_FALSE(fullColor.isModified());
}

TEST_F(PalettePanelTest, AHeldColourBlinksUntilReleaseOrRebindingNeverMarkingTheDocument)
{
    BitmapDocument& document = makeDocument(false);
    BitmapDocument& other = makeDocument(false);
    palettes.setModel(&document);
    showWide(true);
    Visual::Component& grid = component(100);
    auto blinkToBlack = [&](MouseEvent press) {
        grid.dispatchMouse(press);
        clock.advance(Clock::doubleClickTime());
        grid.idleStep();
        clock.advance(PaletteFlasher::phaseTime);
        grid.idleStep();
    };

    blinkToBlack(mouseAt(MouseEvent::leftDown, cell(9)));
    EXPECT_EQ(document.palette()->colorAt(9), rgb(0, 0, 0));
    EXPECT_EQ(document.palette()->colorAt(8), entryColor(8)) << "only the drawing entry";
    MouseEvent rightHeld = mouseAt(MouseEvent::move, {300, 300});
    rightHeld.leftButton = false;
    rightHeld.rightButton = true;
    grid.dispatchMouse(rightHeld);
    EXPECT_TRUE(grid.isTracking()) << "either button keeps it, wherever the pointer goes";
    grid.dispatchMouse(mouseAt(MouseEvent::leftUp, {300, 300}));
    EXPECT_EQ(document.palette()->colorAt(9), entryColor(9));

    blinkToBlack(mouseAt(MouseEvent::leftDown, cell(9)));
    palettes.setModel(&other);
    EXPECT_EQ(document.palette()->colorAt(9), entryColor(9)) << "rebinding restores at once";
    grid.dispatchMouse(mouseAt(MouseEvent::move, cell(9)));
    EXPECT_FALSE(grid.isTracking());

    palettes.setModel(&document);
    blinkToBlack(mouseAt(MouseEvent::leftDown, cell(9), true));
    EXPECT_EQ(document.palette()->colorAt(9), entryColor(9)) << "a Shift press never blinks";
    grid.dispatchMouse(mouseAt(MouseEvent::leftUp, cell(9), true));

    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(UndoRecord::instance().canUndo(&document));
}

// Chooses one command of whatever pops up.
class Choosing : public ContextMenuScript {
public:
    explicit Choosing(uint32_t id) : m_id(id) {}
    uint32_t choose(const MenuItem&, Point) override { return m_id; }

private:
    uint32_t m_id;
};

TEST_F(PalettePanelTest, TheMenuOfARightClickOnAStripSwapsTheLayouts)
{
    BitmapDocument& document = makeDocument(false);
    palettes.setModel(&document);
    ColorRef drawing = document.drawingColor();
    Choosing swap(commands::paletteLayout);
    ContextMenuScript* previous = installContextMenuScript(&swap);
    syntheticInput::pressMouse(component(101), {20, 20}, syntheticInput::Button::right);
    runEvents(30);
    EXPECT_TRUE(palettes.isWide()) << "the strip that was clicked has gone with its layout";
    syntheticInput::pressMouse(component(100), cell(3), syntheticInput::Button::right);
    runEvents(30);
    EXPECT_FALSE(palettes.isWide());
    installContextMenuScript(previous);
    EXPECT_EQ(document.drawingColor(), drawing) << "right presses choose no colour";
}

TEST_F(PalettePanelTest, ThePanelLetsItsDocumentGo)
{
    BitmapDocument& document = makeDocument(false);
    uint32_t alone = document.dependentCount();
    palettes.setModel(&document);
    EXPECT_EQ(document.dependentCount(), alone + 1);
    palettes.setModel(nullptr);
    EXPECT_EQ(document.dependentCount(), alone);
}

} // namespace
