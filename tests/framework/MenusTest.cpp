#include "resources/Menus.h"
#include "resources/CommandIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The ids of a menu's items in order, a popup as 0.
std::vector<uint32_t> idsOf(const MenuItem& menu)
{
    std::vector<uint32_t> ids;
    for (const MenuItem& item : menu.items)
        ids.push_back(item.id);
    return ids;
}

TEST(MenusTest, EachPanelMenuHoldsItsCommandsInOrder)
{
    struct Row {
        const char* name;
        std::vector<uint32_t> ids;
        const char* lastCaption;
    };
    const Row rows[] = {
        {"SLIM_PALETTE_MENU", {commands::closePanel, commands::paletteLayout}, "全色表示(&W)"},
        {"WIDE_PALETTE_MENU", {commands::closePanel, commands::paletteLayout}, "16色表示(&S)"},
        {"INFO_MENU", {commands::closePanel, commands::informationOptions}, "オプション(&O)..."},
        {"UNIT_MENU", {commands::dotUnit, commands::blockUnit}, "Block"},
        {"TOOL_MENU", {710, 711, 712, 713, 714, 715, 716, 717, 718, 0, 720, 721}, "Text"},
    };
    for (const Row& row : rows) {
        const MenuItem* menu = findMenu(row.name);
        ASSERT_NE(menu, nullptr) << row.name;
        EXPECT_EQ(idsOf(*menu), row.ids) << row.name;
        EXPECT_EQ(menu->items.back().caption, row.lastCaption) << row.name;
    }
    EXPECT_EQ(findMenu("MAIN_MENU"), nullptr) << "the main menu is not a panel's";
    EXPECT_EQ(findMenu("NO_MENU"), nullptr);
}

TEST(MenusTest, TheDrawButtonsItemHoldsTheDrawSizes)
{
    const MenuItem& draw = findMenu("TOOL_MENU")->items[9];
    ASSERT_TRUE(draw.isPopup());
    EXPECT_EQ(draw.caption, "Draw");
    EXPECT_EQ(idsOf(draw), (std::vector<uint32_t>{810, 811, 812, 813, 814, 815}));
    EXPECT_EQ(draw.items.back().caption, "32");
}

} // namespace
