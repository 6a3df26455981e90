#include "formats/ErrorFrame.h"
#include "framework/Application.h"
#include "framework/Timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace {

Application& application()
{
    static int argc = 1;
    static char name[] = "framework_tests";
    static char* argv[] = {name, nullptr};
    static Application app(argc, argv);
    return app;
}

// Delivers events until done() holds, or for ms when done is empty; a busy machine gets two seconds.
void runEvents(int ms, const std::function<bool()>& done = {})
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(done ? 2000 : ms);
    while (std::chrono::steady_clock::now() < end && !(done && done()))
        Application::processEvents(5);
}

// Timers belong to the application's thread, so the application comes first.
class TimerTest : public testing::Test {
protected:
    void SetUp() override { application(); }
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

} // namespace
