#include "framework/Timer.h"
#include "base/ErrorFrame.h"
#include "framework/Clock.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

// Timers belong to the application's thread, so the application comes first.
class TimerTest : public testing::Test {
protected:
    void SetUp() override { testApplication(); }
};

struct CountingTarget : TimerTarget {
    bool tick(Timer&) override
    {
        ++ticks;
        if (raise)
            raiseError(errorWriteFailed);
        return ticks >= stopAfter;
    }
    int ticks = 0;
    int stopAfter = 1;
    bool raise = false;
};

TEST_F(TimerTest, ATargetThatSaysStopOnItsFirstTickFiresOnce)
{
    CountingTarget target;
    Timer timer(&target);
    ASSERT_TRUE(timer.start(5));
    EXPECT_EQ(Timer::runningCount(), 1u);
    runEvents(0, [&] { return target.ticks > 0; });
    runEvents(50);
    EXPECT_EQ(target.ticks, 1);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(Timer::runningCount(), 0u) << "only running timers are registered";
}

TEST_F(TimerTest, ATargetThatSaysGoOnKeepsTicking)
{
    CountingTarget target;
    target.stopAfter = 3;
    Timer timer(&target);
    timer.start(5);
    runEvents(0, [&] { return target.ticks >= 3; });
    runEvents(50);
    EXPECT_EQ(target.ticks, 3);
}

TEST_F(TimerTest, AnErrorInATickEndsAtTheTickAndTheTimerGoesOn)
{
    CountingTarget target;
    target.raise = true;
    target.stopAfter = 1000;
    Timer timer(&target);
    timer.start(5);
    runEvents(0, [&] { return target.ticks >= 2; });
    EXPECT_GE(target.ticks, 2);
    EXPECT_TRUE(timer.isRunning());
}

TEST_F(TimerTest, TicksForStoppedTimersAreIgnored)
{
    CountingTarget target;
    Timer timer(&target);
    timer.start(5);
    timer.stop();
    {
        Timer gone(&target);
        gone.start(5);
    } // destroying a running timer stops it
    EXPECT_EQ(Timer::runningCount(), 0u);
    runEvents(30);
    EXPECT_EQ(target.ticks, 0);
}

TEST_F(TimerTest, TheClockIsTheSystemsUntilATestInstallsOneAndMovesItByHand)
{
    int64_t before = Clock::current().now();
    TestClock clock;
    clock.advance(250);
    const Clock* previous = Clock::install(&clock);
    EXPECT_EQ(Clock::current().now(), 250);
    clock.advance(40);
    EXPECT_EQ(Clock::current().now(), 290);
    Clock::install(previous);
    EXPECT_NE(&Clock::current(), &clock);
    EXPECT_GE(Clock::current().now(), before) << "the system's clock runs on";
    Clock::install(nullptr);
    EXPECT_NE(&Clock::current(), &clock) << "null puts the system's back";
    EXPECT_GT(Clock::doubleClickTime(), 0);
}

} // namespace
