#include "document/NewParams.h"
#include "formats/SettingsFile.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class NewParamsTest : public testing::Test {
protected:
    void SetUp() override { std::filesystem::remove(path); }
    void TearDown() override { std::filesystem::remove(path); }

    void load(NewParams& params, const std::string& lines)
    {
        std::ofstream(path) << "[Tilvane]\n" << lines;
        loadNewParams(SettingsFile(path, "Tilvane"), params);
    }

    std::string path = testing::TempDir() + "tilvaner-newparams-" + std::to_string(getpid()) + ".ini";
};

TEST_F(NewParamsTest, GoodValuesAreTakenAsWritten)
{
    NewParams params;
    load(params, "Palette=1f\nBackColor=10,20,30\nBlock=8,24\nCanvas=640,480\nMesh=8,8,a\n"
                 "Edge=5\nOffset=5,6,1\n");
    EXPECT_EQ(params.backgroundIndex.value(), 0x1f);
    EXPECT_EQ(params.backgroundColour.value(), rgb(10, 20, 30));
    EXPECT_EQ(params.blockSize.point(), (Point{8, 24}));
    EXPECT_EQ(params.canvasSize.point(), (Point{640, 480}));
    EXPECT_EQ(params.meshSize.point(), (Point{8, 8}));
    EXPECT_EQ(params.meshColourIndex.value(), 10);
    EXPECT_EQ(params.edgeWidth.value(), 5);
    EXPECT_EQ(params.offset.point(), (Point{5, 6}));
    EXPECT_EQ(params.yUp.value(), 1);
}

TEST_F(NewParamsTest, ValuesOutOfRangeGiveTheDefaults)
{
    NewParams params;
    load(params, "Palette=100\nBackColor=1,2\nBlock=3,20\nCanvas=0,5\nMesh=8,8\nEdge=65\n"
                 "Offset=5,5,2\n");
    EXPECT_EQ(params.backgroundIndex.value(), 0);
    EXPECT_EQ(params.backgroundColour.value(), rgb(255, 255, 255));
    EXPECT_EQ(params.blockSize.point(), (Point{16, 16})) << "one number out of range replaces both";
    EXPECT_EQ(params.canvasSize.point(), (Point{256, 256}));
    EXPECT_EQ(params.meshSize.point(), (Point{8, 8}));
    EXPECT_EQ(params.meshColourIndex.value(), 1) << "no third number";
    EXPECT_EQ(params.edgeWidth.value(), 1);
    EXPECT_EQ(params.offset.point(), (Point{5, 5}));
    EXPECT_EQ(params.yUp.value(), 0);

    load(params, "Offset=10000,10000\n");
    EXPECT_EQ(params.offset.point(), (Point{10000, 10000})) << "the largest offset the preferences take";
    load(params, "Offset=10001,0\n");
    EXPECT_EQ(params.offset.point(), (Point{0, 0}));
}

TEST_F(NewParamsTest, NumbersBeyond32BitsGiveTheDefaultsInsteadOfWrappingAround)
{
    NewParams params;
    load(params, "Palette=10000000a\nBackColor=1,2,4294967299\nBlock=4294967312,20\nMesh=8,8,100000001\n"
                 "Edge=4294967298\nOffset=5,5,4294967297\n");
    EXPECT_EQ(params.backgroundIndex.value(), 0);
    EXPECT_EQ(params.backgroundColour.value(), rgb(255, 255, 255));
    EXPECT_EQ(params.blockSize.point(), (Point{16, 16}));
    EXPECT_EQ(params.meshSize.point(), (Point{8, 8}));
    EXPECT_EQ(params.meshColourIndex.value(), 1);
    EXPECT_EQ(params.edgeWidth.value(), 1);
    EXPECT_EQ(params.offset.point(), (Point{5, 5}));
    EXPECT_EQ(params.yUp.value(), 0);
}

TEST_F(NewParamsTest, AStoredColourNeverBecomesAPaletteReference)
{
    NewParams params;
    load(params, "BackColor=300,-1,257\n");
    EXPECT_EQ(params.backgroundColour.value(), rgb(44, 255, 1));
    EXPECT_FALSE(isPaletteIndex(params.backgroundColour.value()));
}

TEST_F(NewParamsTest, SavedValuesReadBackAndFollowersHearOfTheChange)
{
    NewParams params;
    params.backgroundIndex.setValue(0xAB);
    params.backgroundColour.setValue(rgb(1, 2, 3));
    params.meshSize.setPoint({12, 34});
    params.meshColourIndex.setValue(0xF0);
    params.offset.setPoint({7, 8});
    params.yUp.setValue(1);
    SettingsFile file(path, "Tilvane");
    saveNewParams(file, params);
    EXPECT_EQ(file.readString("Palette"), "ab");
    EXPECT_EQ(file.readString("Mesh"), "12,34,f0");

    NewParams again;
    Listener follower(&again.meshSize);
    loadNewParams(file, again);
    EXPECT_GT(follower.count(), 0);
    EXPECT_EQ(again.backgroundIndex.value(), 0xAB);
    EXPECT_EQ(again.backgroundColour.value(), rgb(1, 2, 3));
    EXPECT_EQ(again.meshSize.point(), (Point{12, 34}));
    EXPECT_EQ(again.meshColourIndex.value(), 0xF0);
    EXPECT_EQ(again.offset.point(), (Point{7, 8}));
    EXPECT_EQ(again.yUp.value(), 1);
}

} // namespace
