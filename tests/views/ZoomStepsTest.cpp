#include "views/ZoomSteps.h"
#include "formats/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

using Entries = std::vector<int32_t>;

TEST(ZoomStepsTest, SettingAnEntryClampsItAndWalksTheOthersAside)
{
    struct Row {
        int index;
        int32_t value;
        Entries expected;
    };
    const Row rows[] = {
        {1, 10, {1, 10, 11, 12, 16}},  // the entries above rise
        {3, 3, {1, 2, 3, 4, 16}},      // raised to leave room below, which then sinks
        {0, 16, {12, 13, 14, 15, 16}}, // the first entry leaves room for four above it
        {4, 99, {1, 2, 4, 8, 16}},     {0, -5, {1, 2, 4, 8, 16}}, {2, 4, {1, 2, 4, 8, 16}}, {4, 5, {1, 2, 3, 4, 5}},
    };
    for (const Row& row : rows) {
        ZoomSteps steps({1, 2, 4, 8, 16}, 1, 16);
        steps.setEntry(row.index, row.value);
        EXPECT_EQ(steps.entries(), row.expected) << row.index << " = " << row.value;
    }
}

TEST(ZoomStepsTest, NextHigherAndNextLowerStopAtTheEnds)
{
    ZoomSteps steps({1, 2, 4, 8, 16}, 1, 16);
    EXPECT_EQ(steps.nextHigher(4), 8);
    EXPECT_EQ(steps.nextHigher(5), 8);
    EXPECT_EQ(steps.nextHigher(0), 1);
    EXPECT_EQ(steps.nextHigher(16), 16);
    EXPECT_EQ(steps.nextHigher(40), 40) << "a zoom beyond the list stays";
    EXPECT_EQ(steps.nextLower(4), 2);
    EXPECT_EQ(steps.nextLower(5), 4);
    EXPECT_EQ(steps.nextLower(100), 16);
    EXPECT_EQ(steps.nextLower(1), 1);
}

class ZoomSettingsTest : public testing::Test {
protected:
    ~ZoomSettingsTest() override { std::filesystem::remove(m_path); }

    // Reads the two keys over the built-in lists.
    std::pair<Entries, Entries> load(const char* zoomMain, const char* zoomSub)
    {
        m_file = SettingsFile(m_path, "Tilvane");
        if (zoomMain)
            m_file.writeString("ZoomMain", zoomMain);
        if (zoomSub)
            m_file.writeString("ZoomSub", zoomSub);
        ZoomSteps main({1, 2, 3, 4, 5}, 1, 16);
        ZoomSteps sub({1, 2, 3}, 1, 8);
        loadZoomSteps(m_file, main, sub);
        return {main.entries(), sub.entries()};
    }

    std::string m_path = testing::TempDir() + "tilvaner-zoom-" + std::to_string(getpid()) + ".ini";
    SettingsFile m_file{m_path, "Tilvane"};
};

TEST_F(ZoomSettingsTest, MissingKeysGiveTheDoublingMainStepsAndLeaveTheSubSteps)
{
    EXPECT_EQ(load(nullptr, nullptr), std::pair(Entries{1, 2, 4, 8, 16}, Entries{1, 2, 3}));
    EXPECT_EQ(load("", "x"), std::pair(Entries{1, 2, 4, 8, 16}, Entries{1, 2, 3}));
}

TEST_F(ZoomSettingsTest, TheMainStepsTakeAllFiveValuesInOrder)
{
    // 3 and 6 come from the setting, 4, 8 and 16 from the doubling list; 4 then pushes 3 and 6 down.
    EXPECT_EQ(load("3,6", nullptr).first, (Entries{2, 3, 4, 8, 16}));
    EXPECT_EQ(load("2,3,5,9,12", nullptr).first, (Entries{2, 3, 5, 9, 12}));
    EXPECT_EQ(load("20,20,20,20,20", nullptr).first, (Entries{12, 13, 14, 15, 16}));
    EXPECT_EQ(load("3,4294967302", nullptr).first, (Entries{1, 2, 4, 8, 16}))
        << "a number beyond 32 bits ends the list";
}

TEST_F(ZoomSettingsTest, TheSubStepsTakeOnlyTheValuesRead)
{
    EXPECT_EQ(load(nullptr, "5,1").second, (Entries{1, 2, 7})) << "the third keeps the value the walk gave it";
    EXPECT_EQ(load(nullptr, "2").second, (Entries{2, 3, 4}));
    EXPECT_EQ(load(nullptr, "9,9,9").second, (Entries{6, 7, 8}));
    EXPECT_EQ(load(nullptr, "2,4294967300").second, (Entries{2, 3, 4}));
}

TEST_F(ZoomSettingsTest, SavedStepsReadBackTheSame)
{
    ZoomSteps main({1, 3, 5, 7, 9}, 1, 16);
    ZoomSteps sub({2, 4, 6}, 1, 8);
    saveZoomSteps(m_file, main, sub);
    EXPECT_EQ(m_file.readString("ZoomMain"), "1,3,5,7,9");
    EXPECT_EQ(m_file.readString("ZoomSub"), "2,4,6");
    ZoomSteps mainRead({1, 2, 3, 4, 5}, 1, 16);
    ZoomSteps subRead({1, 2, 3}, 1, 8);
    loadZoomSteps(m_file, mainRead, subRead);
    EXPECT_EQ(mainRead, main);
    EXPECT_EQ(subRead, sub);
}

} // namespace
