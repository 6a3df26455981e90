#include "panels/ToggleButtonsPlug.h"
#include "core/Aspects.h"
#include "framework/ContextMenu.h"
#include "resources/Bitmaps.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "tests/panels/PanelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Visual::MouseEvent;

bool blackIn(const BitmapResource& bitmap, Point p)
{
    uint8_t byte = bitmap.rows[size_t(p.y) * size_t(bitmap.rowLength()) + size_t(p.x >> 3)];
    return (byte & (0x80 >> (p.x & 7))) == 0;
}

// Records what pops up, and chooses one command.
class RecordedMenus : public ContextMenuScript {
public:
    uint32_t choose(const MenuItem& items, Point screen) override
    {
        popped.push_back({&items, screen});
        return answer;
    }
    std::vector<std::pair<const MenuItem*, Point>> popped;
    uint32_t answer = 0;
};

class ToggleButtonsPlugTest : public testing::Test {
protected:
    Application& application = testApplication();
    RecordedSelection tool{aspects::ToolBox::toolSelection, 7};

    ToggleButtonsPlug& bank(int bitmapId, Point layout)
    {
        auto* bank = new ToggleButtonsPlug(nullptr, tool, aspects::ToolBox::toolSelection, bitmapId, layout);
        Point button = bank->buttonSize();
        return shown.show(bank, {0, 0, layout.x * button.x, layout.y * button.y});
    }

    ShownComponent shown;
};

TEST_F(ToggleButtonsPlugTest, TheBitmapsAreBanksOfUpAndPressedButtons)
{
    struct Row {
        const char* name;
        int id;
        int images;
        Point button;
    };
    for (const Row& row :
         {Row{"PALETTE_BTNS", bitmaps::paletteButtons, 16, {12, 12}},
          Row{"TOOL_BTNS", bitmaps::toolButtons, 12, {16, 16}}, Row{"UNIT_BTNS", bitmaps::unitButtons, 2, {16, 16}}}) {
        const BitmapResource* bitmap = findBitmap(row.name);
        ASSERT_NE(bitmap, nullptr) << row.name;
        EXPECT_EQ(bitmap, findBitmap(row.id)) << row.name;
        EXPECT_EQ(bitmap->depth, 1) << row.name;
        EXPECT_EQ((Point{bitmap->width, bitmap->height}), (Point{row.images * row.button.x, 2 * row.button.y}))
            << row.name;
        for (int n = 0; n < row.images; ++n) {
            // A face that is white up and black pressed, and a picture of its own on it.
            Point face{n * row.button.x + 1, 1};
            EXPECT_FALSE(blackIn(*bitmap, face)) << row.name << " " << n;
            EXPECT_TRUE(blackIn(*bitmap, {face.x, face.y + row.button.y})) << row.name << " " << n;
            int ink = 0;
            for (int y = 1; y < row.button.y - 1; ++y)
                for (int x = 1; x < row.button.x - 1; ++x)
                    ink += blackIn(*bitmap, {n * row.button.x + x, y});
            EXPECT_GT(ink, 0) << row.name << " " << n;
        }
    }
    EXPECT_EQ(findBitmap("NO_BTNS"), nullptr);
}

TEST_F(ToggleButtonsPlugTest, ButtonsShowTheirImageUpOrPressedInColumnsAndRows)
{
    ToggleButtonsPlug& tools = bank(bitmaps::toolButtons, {2, 6});
    const BitmapResource& bitmap = *findBitmap(bitmaps::toolButtons);
    for (int n = 0; n < 12; ++n) {
        Point cell{n % 2 * 16, n / 2 * 16};
        int top = n == 7 ? 16 : 0;
        int wrong = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                bool black = tools.surface().pixelAt({cell.x + x, cell.y + y}) == rgb(0, 0, 0);
                wrong += black != blackIn(bitmap, {n * 16 + x, top + y});
            }
        EXPECT_EQ(wrong, 0) << "button " << n;
    }
}

TEST_F(ToggleButtonsPlugTest, APressChoosesTheButtonAndTheBankFollowsItsSelection)
{
    ToggleButtonsPlug& tools = bank(bitmaps::toolButtons, {2, 6});
    tools.dispatchMouse(mouseAt(MouseEvent::leftDown, {20, 35}));
    tools.dispatchMouse(mouseAt(MouseEvent::leftDown, {3, 3}, true));
    tools.dispatchMouse(mouseAt(MouseEvent::leftDouble, {31, 95}));
    tools.dispatchMouse(mouseAt(MouseEvent::rightDown, {3, 20}));
    tools.dispatchMouse(mouseAt(MouseEvent::leftDown, {32, 10}));
    EXPECT_EQ(tool.choices, (std::vector<std::pair<int, bool>>{{5, false}, {0, true}, {11, false}}))
        << "left presses and double clicks choose, Shift goes with them; the right button and presses "
           "beside the buttons do not";

    tool.set(2);
    tools.updateNow();
    EXPECT_EQ(tools.selection(), 2);
    EXPECT_EQ(tools.surface().pixelAt({1, 17}), rgb(0, 0, 0)) << "button 2 pressed";
    EXPECT_EQ(tools.surface().pixelAt({17, 81}), rgb(255, 255, 255)) << "button 11 up again";
}

TEST_F(ToggleButtonsPlugTest, TheMenuFormPopsUpSubmenusAndPostsCommandsOnADoubleClick)
{
    const MenuItem sizes{0, "Sizes", {{810, "1"}, {811, "2"}}};
    const MenuItem menu{0, "", {{700, "Dot"}, sizes}};
    RecordedMenus menus;
    ContextMenuScript* previous = installContextMenuScript(&menus);
    std::vector<uint32_t> posted;
    tool.set(-1);
    ToggleButtonsPlug& bank2 = bank(bitmaps::unitButtons, {2, 1});
    bank2.setMenu(menu, [&](uint32_t id) { posted.push_back(id); });

    menus.answer = 811;
    bank2.dispatchMouse(mouseAt(MouseEvent::leftDown, {20, 5}));
    ASSERT_EQ(menus.popped.size(), 1u);
    EXPECT_EQ(menus.popped[0].first, &menu.items[1]) << "the button's own submenu";
    EXPECT_EQ(menus.popped[0].second, bank2.toScreen({32, 0})) << "at the button's top-right corner";
    EXPECT_EQ(posted, std::vector<uint32_t>{811});
    EXPECT_EQ(tool.choices.back().first, 1) << "the press chose the button too";

    posted.clear();
    bank2.dispatchMouse(mouseAt(MouseEvent::leftDown, {5, 5}));
    EXPECT_TRUE(posted.empty()) << "a single press on a command's button only chooses it";
    bank2.dispatchMouse(mouseAt(MouseEvent::leftDouble, {5, 5}));
    EXPECT_EQ(posted, std::vector<uint32_t>{700});
    EXPECT_EQ(menus.popped.size(), 1u);
    installContextMenuScript(previous);
}

} // namespace
