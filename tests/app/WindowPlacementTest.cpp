#include "app/WindowPlacement.h"
#include "formats/SettingsFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(WindowPlacementTest, PanelValuesMayLackTheirVisibilityOrTheirPosition)
{
    SettingsFile file(testing::TempDir() + "tilvaner-placement-" + std::to_string(getpid()) + ".ini", "Tilvane");
    file.writeString("A", "10,-20,0");
    file.writeString("B", "7,8");
    file.writeString("C", "7");
    PanelPlacement a = readPanelPlacement(file, "A");
    EXPECT_EQ(a.position, (Point{10, -20}));
    EXPECT_EQ(a.shown, false);
    PanelPlacement b = readPanelPlacement(file, "B");
    EXPECT_EQ(b.position, (Point{7, 8}));
    EXPECT_FALSE(b.shown.has_value());
    EXPECT_FALSE(readPanelPlacement(file, "C").position.has_value());
    EXPECT_FALSE(readPanelPlacement(file, "missing").shown.has_value());

    writePanelPlacement(file, "D", {3, 4}, true);
    EXPECT_EQ(file.readString("D"), "3,4,1");

    for (const char* bad : {"1,2,0,5", "1,2,3", "x", ""}) {
        file.writeString("Window", bad);
        EXPECT_FALSE(readWindowPlacement(file).has_value()) << bad;
    }
    writeWindowPlacement(file, {-5, 6, 795, 606});
    EXPECT_EQ(file.readString("Window"), "-5,6,800,600");
    EXPECT_EQ(readWindowPlacement(file), (Rect{-5, 6, 795, 606}));
    unlink(file.path().c_str());
}

TEST(WindowPlacementTest, AWindowIsKeptOnTheDesktop)
{
    Rect desktop{0, 0, 1280, 1024};
    EXPECT_EQ(clipToDesktop({100, 100, 900, 700}, desktop), (Rect{100, 100, 900, 700}));
    EXPECT_EQ(clipToDesktop({-50, 2000, 750, 2600}, desktop), (Rect{0, 424, 800, 1024}));
    EXPECT_EQ(clipToDesktop({10, 10, 3010, 2010}, desktop), desktop);
}

} // namespace
