#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "document/SelectionCommands.h"
#include "document/SelectionRecord.h"
#include "document/SelectionTransforms.h"
#include "pixels/Region.h"
#include "tests/views/RecordingInformation.h"
#include "tests/views/tools/FakeToolEnvironment.h"
#include "views/tools/RotationMode.h"
#include "views/tools/ScaledFrame.h"
#include "views/tools/ScalingMode.h"
#include "views/tools/TurnedRect.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;
constexpr ColorRef white = 0x00FFFFFF;
constexpr ColorRef red = 0x000000FF;

TEST(TurnedRectTest, EachCornerTurnsByThePointersDirectionLessItsOwn)
{
    struct Row {
        Rect rect;
        FrameHandle corner;
        Point pointer;
        double turn;
    };
    // On the square, each corner dragged an eighth of a turn clockwise points straight along an axis.
    for (const Row& row :
         {Row{{0, 0, 20, 20}, {-1, -1}, {10, -10}, pi / 4}, Row{{0, 0, 20, 20}, {1, -1}, {30, 10}, pi / 4},
          Row{{0, 0, 20, 20}, {1, 1}, {10, 30}, pi / 4}, Row{{0, 0, 20, 20}, {-1, 1}, {-10, 10}, pi / 4},
          Row{{0, 0, 20, 20}, {-1, -1}, {-10, 30}, -pi / 2}, Row{{0, 0, 40, 20}, {1, -1}, {60, -10}, 0},
          Row{{0, 0, 40, 20}, {1, 1}, {20, 30}, pi / 2 - std::atan2(10.0, 20.0)}})
        EXPECT_NEAR(cornerTurn(row.rect, row.corner, row.pointer), row.turn, 1e-9)
            << row.corner.x << ", " << row.corner.y << " to " << row.pointer.x << ", " << row.pointer.y;
}

TEST(TurnedRectTest, TheCornersTurnAboutTheCentreAndInsideFollowsThem)
{
    using Corners = std::array<Point, 4>;
    EXPECT_EQ(turnedCorners({0, 0, 41, 21}, 0), (Corners{{{0, 0}, {40, 0}, {40, 20}, {0, 20}}}));
    EXPECT_EQ(turnedCorners({0, 0, 41, 21}, pi / 2), (Corners{{{30, -10}, {30, 30}, {10, 30}, {10, -10}}}))
        << "a quarter clockwise takes the top-left corner up to the right";
    struct Row {
        double angle;
        Point dot;
        bool inside;
    };
    for (const Row& row : {Row{0, {9, 3}, true}, Row{0, {10, 3}, false}, Row{pi / 2, {4, 5}, true},
                           Row{pi / 2, {8, 1}, false}, Row{pi / 4, {5, 2}, true}, Row{pi / 4, {0, 0}, false}})
        EXPECT_EQ(insideTurned({0, 0, 10, 4}, row.angle, row.dot), row.inside)
            << row.angle << ": " << row.dot.x << ", " << row.dot.y;
}

TEST(ScaledFrameTest, HeldEdgesFollowThePointerWithCtrlAboutTheCentreAndShiftKeepingTheRatio)
{
    struct Row {
        const char* what;
        Rect start;
        FrameHandle handle;
        Point pointer;
        bool control, shift;
        Rect frame;
    };
    const Rect s{10, 10, 20, 30};
    for (const Row& row : {
             Row{"corner from the opposite one", s, {1, 1}, {25, 40}, false, false, {10, 10, 25, 40}},
             Row{"top-left corner", s, {-1, -1}, {5, 0}, false, false, {5, 0, 20, 30}},
             Row{"a side moves one edge", s, {1, 0}, {30, 99}, false, false, {10, 10, 30, 30}},
             Row{"a side past its anchor mirrors", s, {1, 0}, {4, 0}, false, false, {10, 10, 4, 30}},
             Row{"Ctrl keeps the centre", s, {1, 1}, {25, 40}, true, false, {5, 0, 25, 40}},
             Row{"Shift: the width follows the height", s, {1, 1}, {40, 40}, false, true, {10, 10, 25, 40}},
             Row{"Shift past the anchor across mirrors only across", s, {1, 1}, {0, 50}, false, true, {10, 10, 0, 30}},
             Row{"Shift on a side: the other axis follows", s, {1, 0}, {30, 0}, false, true, {10, 10, 30, 50}},
             Row{"no side beyond 10000 dots", s, {1, 1}, {20000, 15}, false, false, {10, 10, 10010, 15}},
             Row{"nor below one", s, {1, 1}, {10, 10}, false, false, {10, 10, 11, 11}},
             Row{"a mirrored frame stays mirrored", {20, 10, 10, 30}, {1, 1}, {25, 40}, false, false, {25, 10, 10, 40}},
         })
        EXPECT_EQ(scaledFrame(row.start, row.handle, row.pointer, row.control, row.shift), row.frame) << row.what;
}

// A mode in a fake view at zoom 4 of a white 32 x 24 picture whose selection, (4, 4) to (12, 8),
// has a red top-left dot.
class TransformModeTest : public testing::Test {
protected:
    void SetUp() override
    {
        document = picture();
        view.picture = document.get();
        view.pictureSize = {32, 24};
        view.zoomFactor = 4;
        view.panel = &information;
    }
    static std::unique_ptr<BitmapDocument> picture()
    {
        auto made = std::make_unique<BitmapDocument>(NewParams::current());
        made->newContent({true, 0, white, {8, 8}, {32, 24}}, "", "t");
        made->fillRect({4, 4, 5, 5}, red);
        Region region;
        region.setRect({4, 4, 12, 8});
        selectionCommands::select(*made, region);
        return made;
    }
    static std::vector<ColorRef> seen(const BitmapDocument& picture)
    {
        std::vector<ColorRef> dots;
        for (int32_t y = 0; y < 24; ++y)
            for (int32_t x = 0; x < 32; ++x)
                dots.push_back(picture.pixelAt({x, y}));
        return dots;
    }
    void drag(Tool& mode, Point fromPixel, Point toPixel)
    {
        mode.press(FakeToolEnvironment::pressAt(fromPixel));
        view.moveToPixel(toPixel);
        view.releaseAtPixel(toPixel);
    }
    void press(Tool& mode, Point dot) { mode.press(FakeToolEnvironment::pressAt(view.pixelOf(dot))); }
    Rect selected() const { return document->selection()->region.bounds(); }
    // Where the frame's handle is in the window.
    Point handle(const TransformMode& mode, FrameHandle which) const
    {
        return turnedHandlePoint(view.dotsToView(*mode.frame().rect()), which, mode.frame().turn());
    }

    std::unique_ptr<BitmapDocument> document;
    RecordingInformation information;
    FakeToolEnvironment view;
};

// Where the bottom-right corner of the selection's frame (32 x 16 pixels about (32, 24)) goes when
// it turns by about angle, twice as far out.
Point turnedCornerPointer(double angle)
{
    double x = 16 * std::cos(angle) - 8 * std::sin(angle), y = 16 * std::sin(angle) + 8 * std::cos(angle);
    return {32 + int32_t(std::lround(2 * x)), 24 + int32_t(std::lround(2 * y))};
}

TEST_F(TransformModeTest, RotationTurnsTheFirstSelectionAgainOnEachPressInside)
{
    RotationMode mode(view);
    mode.start();
    EXPECT_TRUE(document->isInteractive());
    drag(mode, handle(mode, {1, 1}), turnedCornerPointer(pi / 6));
    EXPECT_NEAR(mode.frame().turn(), pi / 6, 0.05);
    ASSERT_FALSE(information.rotations.empty());
    EXPECT_EQ(information.rotations.back(), mode.frame().turn());
    EXPECT_EQ(selected(), (Rect{4, 4, 12, 8})) << "a drag turns the frame alone";
    EXPECT_EQ(mode.pointer({false, false, {8, 6}}), "HUMMER_CURS");
    EXPECT_EQ(mode.pointer({false, false, {20, 20}}), "STOP_CURS");

    press(mode, {8, 6});
    Rect once = selected();
    EXPECT_NE(once, (Rect{4, 4, 12, 8}));

    drag(mode, handle(mode, {1, 1}), turnedCornerPointer(pi / 3));
    double total = mode.frame().turn();
    press(mode, {8, 6});
    Rect twice = selected();
    std::vector<ColorRef> shown = seen(*document);
    press(mode, {30, 22});
    EXPECT_EQ(view.beeps, 1) << "a press outside the frame";
    EXPECT_EQ(selected(), twice);
    document->undo();
    EXPECT_EQ(selected(), once) << "each press inside is one undo step";

    std::unique_ptr<BitmapDocument> reference = picture();
    selectionTransforms::rotate(*reference, total);
    EXPECT_EQ(twice, reference->selection()->region.bounds()) << "the first selection turned by the whole angle";
    EXPECT_EQ(shown, seen(*reference));
    mode.deactivate();
    EXPECT_FALSE(document->isInteractive());
}

TEST_F(TransformModeTest, ScalingPutsTheSelectionInTheFrameMirroredPastTheAnchor)
{
    ScalingMode mode(view);
    mode.start();
    drag(mode, handle(mode, {-1, 0}), view.pixelOf({20, 6}));
    EXPECT_EQ(mode.frame().rect(), (Rect{20, 4, 12, 8})) << "the left edge dragged past the right one";
    EXPECT_EQ(information.scales.back(), (std::pair<Rect, Rect>{{4, 4, 12, 8}, {12, 4, 20, 8}}));
    press(mode, {16, 6});
    EXPECT_EQ(selected(), (Rect{12, 4, 20, 8}));
    EXPECT_EQ(document->pixelAt({19, 4}), red);
    EXPECT_EQ(document->pixelAt({12, 4}), white);
    EXPECT_EQ(mode.frame().rect(), (Rect{12, 4, 20, 8})) << "the frame follows the scaled selection";
    document->undo();
    EXPECT_EQ(selected(), (Rect{4, 4, 12, 8}));
}

} // namespace
