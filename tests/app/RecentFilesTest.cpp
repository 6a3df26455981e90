#include "app/RecentFiles.h"
#include "formats/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

TEST(RecentFilesTest, APathMovesToTheTopWithoutRepeatingAndTheTenthPushesTheOldestOut)
{
    RecentFiles files;
    for (int i = 1; i <= 9; ++i)
        files.add("/p/" + std::to_string(i) + ".bmp");
    EXPECT_EQ(files.count(), 9);
    EXPECT_EQ(files.add("/p/4.bmp"), 6) << "the entries from the top to its old place change";
    EXPECT_EQ(files.fileAt(0), "/p/4.bmp");
    EXPECT_EQ(files.fileAt(1), "/p/9.bmp");
    EXPECT_EQ(files.fileAt(6), "/p/3.bmp");
    EXPECT_EQ(files.count(), 9);

    files.add("/p/new.bmp");
    EXPECT_EQ(files.fileAt(0), "/p/new.bmp");
    EXPECT_EQ(files.fileAt(8), "/p/2.bmp");
    for (int i = 0; i < 9; ++i)
        EXPECT_NE(files.fileAt(i), "/p/1.bmp") << "the oldest is gone";

    files.add("/P/NEW.bmp");
    EXPECT_EQ(files.fileAt(1), "/p/new.bmp") << "other spellings are other files here";
}

TEST(RecentFilesTest, TheListSurvivesTheSettingsWhole)
{
    std::string path = testing::TempDir() + "tilvaner-mru-" + std::to_string(getpid()) + ".ini";
    std::string longPath = "/" + std::string(600, 'd') + "/絵.bmp";
    RecentFiles files;
    files.add("/a.bmp");
    files.add(longPath);
    SettingsFile settings(path, "Tilvane");
    files.save(settings);
    EXPECT_EQ(settings.readString("MRU-1"), longPath) << "kept whole, never cut";
    EXPECT_EQ(settings.readString("MRU-3"), "");
    RecentFiles again;
    again.load(settings);
    EXPECT_EQ(again.fileAt(0), longPath);
    EXPECT_EQ(again.fileAt(1), "/a.bmp");
    EXPECT_EQ(again.count(), 2);
    std::filesystem::remove(path);
}

TEST(MenuTextTest, LongPathsAreShortenedAroundTheirName)
{
    EXPECT_EQ(menuText(1, "/home/a.bmp"), "&1 /home/a.bmp");
    std::string name = std::string(26, 'n') + ".bmp";           // 30 bytes
    std::string path = "/" + std::string(69, 'f') + "/" + name; // 100 bytes
    EXPECT_EQ(menuText(2, path), "&2 " + path.substr(0, 46) + ".../" + name);
    std::string longName = std::string(90, 'x');
    EXPECT_EQ(menuText(3, "/d/" + longName), "&3 " + std::string(77, 'x') + "...");
    std::string nearly = std::string(78, 'y'); // too long to put anything of the folder before it
    EXPECT_EQ(menuText(4, "/" + std::string(30, 'f') + "/" + nearly), "&4 " + nearly);
}

TEST(MenuTextTest, AmpersandsShowAndCharactersStayWhole)
{
    EXPECT_EQ(menuText(1, "/R&D/a&b.bmp"), "&1 /R&&D/a&&b.bmp");
    // 27 three-byte characters make an 81-byte name: cut to 77 bytes it keeps 25 whole characters.
    std::string wide;
    for (int i = 0; i < 27; ++i)
        wide += "絵";
    std::string expected;
    for (int i = 0; i < 25; ++i)
        expected += "絵";
    EXPECT_EQ(menuText(5, "/d/" + wide), "&5 " + expected + "...");
}

} // namespace
