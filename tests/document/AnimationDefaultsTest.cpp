#include "document/AnimationDefaults.h"
#include "formats/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

TEST(AnimationDefaultsTest, EachGroupIsTakenOrCorrectedAndNothingGrowsPastTheDialogsLimits)
{
    struct Row {
        const char* what;
        const char* text;
        Point size;
        int32_t first, last, interval;
    };
    const Row rows[] = {
        {"every group as it is written", "16,24,2,5,10", {16, 24}, 2, 5, 10},
        {"a side of 0 and a negative interval", "0,40,1,2,-5", {32, 32}, 1, 2, 30},
        {"no key at all gives every default", "", {32, 32}, 0, 0, 30},
        {"a side past 10000, a negative frame, interval 0", "10001,5,3,-1,0", {32, 32}, 0, 0, 30},
        {"frames and interval past the dialog's limits", "32,32,0,2000000000,1000", {32, 32}, 0, 9999, 999},
        {"the largest side and the dialog's limits themselves", "10000,1,9999,0,999", {10000, 1}, 9999, 0, 999},
        {"a range without its last frame", "8,8,3", {8, 8}, 0, 0, 30},
        {"junk in the range ends the reading there", "8,8,x,3,7", {8, 8}, 0, 0, 30},
        {"text that is no number at all gives every default", "thirty-two", {32, 32}, 0, 0, 30},
        {"a last frame beyond 32 bits is no 2 wrapped around", "8,8,1,4294967298,7", {8, 8}, 0, 0, 30},
        {"a width beyond 32 bits is no 32 wrapped around", "4294967328,8,1,2,3", {32, 32}, 0, 0, 30},
    };
    for (const Row& row : rows) {
        AnimationDefaults defaults = parseAnimationDefaults(row.text);
        EXPECT_EQ(defaults.size, row.size) << row.what;
        EXPECT_EQ(defaults.first, row.first) << row.what;
        EXPECT_EQ(defaults.last, row.last) << row.what;
        EXPECT_EQ(defaults.interval, row.interval) << row.what;
    }
}

TEST(AnimationDefaultsTest, TheyAreReadFromTheAnimationKey)
{
    std::string path = testing::TempDir() + "tilvaner-animation-" + std::to_string(getpid()) + ".ini";
    std::ofstream(path) << "[Tilvane]\nAnimation=16,24,2,5,10\n";
    AnimationDefaults defaults;
    loadAnimationDefaults(SettingsFile(path, "Tilvane"), defaults);
    std::filesystem::remove(path);
    EXPECT_EQ(defaults.size, (Point{16, 24}));
    EXPECT_EQ(defaults.first, 2);
    EXPECT_EQ(defaults.last, 5);
    EXPECT_EQ(defaults.interval, 10);
}

} // namespace
