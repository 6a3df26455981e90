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

    Rect desktop{-100, 0, 1280, 1024};
    for (const char* bad : {"1,2,0,5", "1,2,3", "x", "", "1,2,4294967396,5"}) {
        file.writeString("Window", bad);
        EXPECT_FALSE(readWindowPlacement(file, desktop).has_value()) << bad;
    }
    writeWindowPlacement(file, {-5, 6, 795, 606});
    EXPECT_EQ(file.readString("Window"), "-5,6,800,600");
    EXPECT_EQ(readWindowPlacement(file, desktop), (Rect{-5, 6, 795, 606}));
    file.writeString("Window", "2147483000,2147483000,2000,2000");
    EXPECT_EQ(readWindowPlacement(file, desktop), desktop) << "sums beyond 32 bits";

    file.writeString("E", "99999999999,5,1");
    EXPECT_FALSE(readPanelPlacement(file, "E").position.has_value()) << "never wrapped around";
    EXPECT_FALSE(readPanelPlacement(file, "E").shown.has_value());
}

TEST(WindowPlacementTest, AFrameOrPanelIsKeptOnTheDesktop)
{
    struct Row {
        Point origin, size;
        Rect placed;
    };
    Rect desktop{0, 0, 1280, 1024};
    for (const Row& row : {
             Row{{100, 100}, {800, 600}, {100, 100, 900, 700}},
             Row{{-50, 2000}, {800, 600}, {0, 424, 800, 1024}},
             Row{{10, 10}, {3000, 2000}, desktop},
             Row{{2147483000, 2147483000}, {2000, 2000}, desktop},
             Row{{2147483647, -2147483647 - 1}, {200, 240}, {1080, 0, 1280, 240}},
             Row{{-2147483647 - 1, 500}, {2147483647, 100}, {0, 500, 1280, 600}},
         })
        EXPECT_EQ(placeOnDesktop(row.origin, row.size, desktop), row.placed)
            << row.origin.x << "," << row.origin.y << " " << row.size.x << "x" << row.size.y;
}

} // namespace
