#include "document/AnimationParam.h"
#include "core/Aspects.h"
#include "document/AnimationDefaults.h"
#include "document/BitmapDocument.h"
#include "document/FrameGeometry.h"
#include "document/NewParams.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Frames 0 ... 3 of 8 x 8.
const AnimationDefaults fourFrames{{8, 8}, 0, 3, 30};

class AnimationParamTest : public testing::Test {
protected:
    void SetUp() override { document->newContent({true, 0, 0x00FFFFFF, {4, 4}, {16, 8}}, "", "t"); }

    std::unique_ptr<BitmapDocument> document = std::make_unique<BitmapDocument>(NewParams::current());
};

TEST_F(AnimationParamTest, EachSetterAnnouncesItsOwnAspectAndOnlyOnAChange)
{
    namespace heard = aspects::AnimationParam::Aspect;
    struct Row {
        const char* what;
        std::function<void(AnimationParam&)> change;
        const Aspect* aspect;
    };
    const Row rows[] = {
        {"the same size",
         [](AnimationParam& p) {
             p.setSize({8, 8});
         },
         nullptr},
        {"a size cut to the same",
         [](AnimationParam& p) {
             p.setSize({8, 30});
         },
         nullptr},
        {"another size",
         [](AnimationParam& p) {
             p.setSize({8, 4});
         },
         &heard::size},
        {"the same range", [](AnimationParam& p) { p.setRange(0, 3); }, nullptr},
        {"the range turned round", [](AnimationParam& p) { p.setRange(3, 0); }, &heard::range},
        {"the same scale", [](AnimationParam& p) { p.setScale(1); }, nullptr},
        {"another scale", [](AnimationParam& p) { p.setScale(2); }, &heard::scale},
        {"the same interval", [](AnimationParam& p) { p.setInterval(30); }, nullptr},
        {"another interval", [](AnimationParam& p) { p.setInterval(31); }, &heard::interval},
        {"the same wait", [](AnimationParam& p) { p.setWait(2, 1); }, nullptr},
        {"another wait", [](AnimationParam& p) { p.setWait(2, 5); }, &heard::waits},
        {"a wait of a negative frame", [](AnimationParam& p) { p.setWait(-1, 5); }, nullptr},
        {"the same status", [](AnimationParam& p) { p.setStatus(PlaybackStatus::stopped); }, nullptr},
        {"another status", [](AnimationParam& p) { p.setStatus(PlaybackStatus::pingPong); }, &heard::status},
    };
    for (const Row& row : rows) {
        AnimationParam param(*document, fourFrames);
        Listener listener(&param);
        row.change(param);
        std::vector<const Aspect*> expected;
        if (row.aspect)
            expected.push_back(row.aspect);
        EXPECT_EQ(listener.heard(), expected) << row.what;
    }
}

TEST_F(AnimationParamTest, TheFrameIsHeldBetweenOneDotAndThePictureOnEachAxis)
{
    EXPECT_EQ(document->animation().size(), (Point{16, 8})) << "the default 32 x 32, cut when the picture was made";
    struct Row {
        Point asked, stored;
    };
    for (const Row& row : {Row{{32, 32}, {16, 8}}, Row{{4, 40}, {4, 8}}, Row{{0, -3}, {1, 1}}, Row{{5, 3}, {5, 3}}}) {
        document->animation().setSize(row.asked);
        EXPECT_EQ(document->animation().size(), row.stored) << row.asked.x << " x " << row.asked.y;
    }
}

TEST_F(AnimationParamTest, ARangeKeepsTheWaitsOfTheFramesItStillHasAndNewFramesWaitOne)
{
    AnimationParam param(*document, fourFrames);
    param.setWait(1, 5);
    param.setWait(3, 7);
    struct Row {
        int32_t first, last;
        AnimationParam::Range held;
        std::vector<int32_t> waits;
    };
    const Row rows[] = {
        {5, 2, {5, 2}, {1, 5, 1, 7, 1, 1}},
        {0, 1, {0, 1}, {1, 5}},
        {3, 2, {3, 2}, {1, 5, 1, 1}},
        {-4, -1, {0, 0}, {1}},
    };
    for (const Row& row : rows) {
        param.setRange(row.first, row.last);
        std::vector<int32_t> waits;
        for (int32_t frame = 0; frame < param.waitCount(); ++frame)
            waits.push_back(param.waitAt(frame));
        EXPECT_TRUE(param.range() == row.held) << row.first << ".." << row.last;
        EXPECT_EQ(waits, row.waits) << row.first << ".." << row.last;
    }
}

TEST_F(AnimationParamTest, WaitsWrapAroundTheFramesAndAreHeldBetween1And99)
{
    AnimationParam param(*document, fourFrames);
    struct Row {
        int32_t frame, wait, readFrame, read;
    };
    const Row rows[] = {
        {5, 9, 9, 9},
        {-1, 6, 3, 1},
        {2, 0, 2, 1},
        {2, 150, 6, 99},
    };
    for (const Row& row : rows) {
        param.setWait(row.frame, row.wait);
        EXPECT_EQ(param.waitAt(row.readFrame), row.read) << "wait " << row.wait << " of frame " << row.frame;
    }
}

TEST(FrameGeometryTest, FramesRunAlongTheRowsAndWrapBackToTheTopLeft)
{
    struct Row {
        const char* what;
        Point frameSize, imageSize;
        int32_t frame;
        int32_t across, down;
        Rect rect;
    };
    const Row rows[] = {
        {"frame 7 of three across, two down", {10, 10}, {30, 20}, 7, 3, 2, {10, 0, 20, 10}},
        {"the second row's second frame", {10, 10}, {30, 20}, 4, 3, 2, {10, 10, 20, 20}},
        {"dots left over at the edges hold no frame", {10, 10}, {35, 25}, 5, 3, 2, {20, 10, 30, 20}},
        {"a grid taller than it is wide", {8, 4}, {16, 16}, 11, 2, 4, {8, 4, 16, 8}},
        {"a frame larger than the picture", {40, 40}, {30, 20}, 3, 1, 1, {0, 0, 30, 20}},
    };
    for (const Row& row : rows) {
        FrameGrid grid = frameGrid(row.frameSize, row.imageSize);
        EXPECT_EQ(grid.framesAcross, row.across) << row.what;
        EXPECT_EQ(grid.framesDown, row.down) << row.what;
        EXPECT_EQ(frameRect(row.frame, row.frameSize, row.imageSize), row.rect) << row.what;
    }
}

TEST(FramePeriodTest, WaitsTimesIntervalInSixtiethsRoundToMilliseconds)
{
    struct Row {
        int32_t wait, interval;
        int64_t period;
    };
    for (const Row& row : {Row{2, 1, 33}, Row{1, 30, 500}, Row{1, 1, 17}, Row{99, 999, 1648350}})
        EXPECT_EQ(framePeriod(row.wait, row.interval), row.period) << row.wait << " at " << row.interval;
}

TEST_F(AnimationParamTest, ADuplicateTakesAllButTheStatusWithTheFrameCutToItsPicture)
{
    AnimationParam& source = document->animation();
    source.setSize({8, 4});
    source.setRange(2, 5);
    source.setScale(3);
    source.setInterval(12);
    source.setWait(4, 9);
    source.setStatus(PlaybackStatus::loop);
    auto copy = std::make_unique<BitmapDocument>(NewParams::current());
    copy->duplicate(*document, {0, 0, 6, 8}, "copy");
    const AnimationParam& param = copy->animation();
    EXPECT_EQ(param.size(), (Point{6, 4}));
    EXPECT_TRUE(param.range() == (AnimationParam::Range{2, 5}));
    EXPECT_EQ(param.scale(), 3);
    EXPECT_EQ(param.interval(), 12);
    EXPECT_EQ(param.waitCount(), 6);
    EXPECT_EQ(param.waitAt(4), 9);
    EXPECT_TRUE(param.status() == PlaybackStatus::stopped);
}

TEST_F(AnimationParamTest, TheDocumentAnswersItsParamAndReleasesItsFollowersAsItGoes)
{
    EXPECT_EQ(interfaceFor(document.get(), &aspects::AnimationParam::access), &document->animation());
    Listener player(&document->animation());
    document.reset();
    EXPECT_EQ(player.model(), nullptr) << "a player must not keep a param that is gone";
}

} // namespace
