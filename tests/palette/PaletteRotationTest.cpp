#include "palette/PaletteRotation.h"
#include "core/Aspects.h"
#include "palette/PaletteModel.h"
#include "palette/RotationTimer.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A clock moved by hand, and the delay of the tick it was last asked for (-1: none).
struct HandTimer : RotationTimer {
    int64_t now() const override { return clock; }
    void schedule(int64_t delayMs) override { scheduled = delayMs; }
    void cancel() override { scheduled = -1; }

    int64_t clock = 5000;
    int64_t scheduled = -1;
};

ColorRef distinct(int i)
{
    return rgb(uint8_t(i), uint8_t(255 - i), uint8_t(i ^ 0x5A));
}

class PaletteRotationTest : public testing::Test {
protected:
    PaletteRotationTest()
    {
        palette.reset();
        for (int i = 0; i < PaletteModel::size; ++i)
            palette.setColorAt(i, distinct(i));
    }

    std::vector<ColorRef> colors() const
    {
        std::vector<ColorRef> all;
        for (int i = 0; i < PaletteModel::size; ++i)
            all.push_back(palette.colorAt(i));
        return all;
    }

    PaletteModel palette;
    HandTimer timer;
};

TEST_F(PaletteRotationTest, EachWholePeriodIsOneStepAndMissedOnesAreCaughtUp)
{
    struct Row {
        int direction;
        int interval;
        int64_t elapsed;
        int steps;
        int phase;
        int64_t nextDelay;
    };
    // Entries 18, 16 and 17 rotate (ascending whatever the order of selection); at phase p entry
    // 16 + (i + p) mod 3 holds the colour entry 16 + i had.
    const Row rows[] = {
        {0, 1, 15, 0, 0, 1},       {0, 1, 16, 1, 1, 16},      {0, 1, 37, 2, 2, 11},     {0, 1, 48, 3, 0, 16},
        {1, 1, 16, 1, 2, 16},      {1, 1, 32, 2, 1, 16},      {1, 1, 16 * 7, 7, 2, 16}, {0, 60, 999, 0, 0, 1},
        {0, 60, 1000, 1, 1, 1000}, {1, 99, 1650, 1, 2, 1650}, {0, 0, 16, 1, 1, 16},     {0, 150, 1649, 0, 0, 1},
    };
    for (const Row& row : rows) {
        std::string what = "direction " + std::to_string(row.direction) + ", interval " + std::to_string(row.interval) +
                           ", after " + std::to_string(row.elapsed) + " ms";
        PaletteRotation rotation(palette, timer);
        rotation.selectEntries(std::vector<int>{18, 16, 17});
        rotation.setDirection(row.direction);
        rotation.setInterval(row.interval);
        rotation.setAnimation(1);
        Listener heard(&palette);
        timer.clock += row.elapsed;
        rotation.tick();
        EXPECT_EQ(rotation.phase(), row.phase) << what;
        EXPECT_EQ(timer.scheduled, row.nextDelay) << what;
        EXPECT_EQ(heard.count(&aspects::PaletteModel::access), row.steps > 0 ? 1 : 0)
            << what << ": any number of steps pushes the palette once";
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(palette.colorAt(16 + (i + row.phase) % 3), distinct(16 + i)) << what << ", colour " << i;
        EXPECT_EQ(palette.colorAt(15), distinct(15));
        EXPECT_EQ(palette.colorAt(19), distinct(19));
    }
}

TEST_F(PaletteRotationTest, StopASelectionChangeAndTheEndAllRestoreTheColours)
{
    const std::vector<ColorRef> before = colors();
    PaletteRotation rotation(palette, timer);
    Listener heard(&rotation);
    rotation.selectOnly(40);
    EXPECT_EQ(rotation.animation(), -1) << "one entry cannot rotate";
    rotation.setAnimation(1);
    EXPECT_FALSE(rotation.isRunning());
    rotation.add(41);
    EXPECT_EQ(rotation.animation(), 0);

    rotation.setAnimation(1);
    EXPECT_EQ(rotation.animation(), 1);
    EXPECT_EQ(timer.scheduled, 16);
    timer.clock += 16;
    rotation.tick();
    EXPECT_EQ(palette.colorAt(41), before[40]);
    rotation.setAnimation(0);
    EXPECT_EQ(colors(), before) << "stop";
    EXPECT_EQ(timer.scheduled, -1) << "stop cancels the timer";

    rotation.setAnimation(1);
    timer.clock += 16;
    rotation.tick();
    heard.clear();
    rotation.add(42);
    EXPECT_FALSE(rotation.isRunning());
    EXPECT_EQ(colors(), before) << "a change of the selection";
    EXPECT_EQ(heard.count(&aspects::PaletteRotation::Aspect::animation), 2) << "stopped, then the new selection";

    rotation.setAnimation(1);
    timer.clock += 10;
    rotation.setInterval(0);
    EXPECT_EQ(timer.scheduled, 6) << "the step already waited for counts towards the new period";
    rotation.setInterval(60);
    EXPECT_EQ(timer.scheduled, 990);
    heard.clear();
    rotation.setInterval(150);
    EXPECT_EQ(rotation.interval(), 99);
    EXPECT_EQ(rotation.intervalSpin(), 98);
    EXPECT_EQ(heard.names(),
              (std::vector<std::string>{"PaletteRotation::Aspect::interval", "PaletteRotation::Aspect::intervalSpin"}));
    rotation.setIntervalSpin(-5);
    EXPECT_EQ(rotation.interval(), 1);
    timer.clock += 16;
    rotation.tick();
    EXPECT_NE(colors(), before);
    rotation.setAnimation(0);
    EXPECT_EQ(colors(), before);
    {
        PaletteRotation ending(palette, timer);
        ending.selectAll();
        ending.setAnimation(1);
        timer.clock += 16 * 5;
        ending.tick();
        EXPECT_EQ(palette.colorAt(5), before[0]);
    }
    EXPECT_EQ(colors(), before) << "the end of a running rotation";
}

} // namespace
