#include "framework/Component.h"
#include "base/ErrorFrame.h"
#include "core/Aspects.h"
#include "framework/GraphicsContext.h"
#include "framework/ScrollBarBinding.h"
#include "framework/SyntheticInput.h"
#include "framework/Timer.h"
#include "resources/Accelerators.h"
#include "resources/VirtualKey.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace Visual;

class RecordingTracker : public Tracker {
public:
    explicit RecordingTracker(std::string& log) : m_log(log) {}
    void sample(const MouseEvent& state) override
    {
        m_held = state.leftButton;
        m_log += "sample(" + std::to_string(state.at.x) + ") ";
    }
    void begin() override { m_log += "begin "; }
    bool continues() const override { return m_held; }
    void step() override
    {
        m_log += "step ";
        if (raiseOnStep)
            raiseError(errorWriteFailed);
    }
    void end() override { m_log += "end"; }
    bool raiseOnStep = false;

private:
    std::string& m_log;
    bool m_held = false;
};

// A component that paints itself one colour and records what its controllers hear.
class Probe : public Component, public MouseController, public KeyController {
public:
    Probe() : Component(nullptr) { place({0, 0, 40, 30}); }
    void* valueFor(const Aspect* aspect) override
    {
        if (aspect == &aspects::Visual::Component::waitingController)
            return offer<MouseController>(this);
        if (aspect == &aspects::Visual::Component::focusedController)
            return offer<KeyController>(this);
        return Component::valueFor(aspect);
    }
    void mouseEvent(const MouseEvent& event) override
    {
        mice.push_back(event);
        if (event.kind == MouseEvent::leftDown && nextTracker)
            track(std::move(nextTracker), event);
        if (event.kind == MouseEvent::leftDown && trackOnPress) {
            auto tracker = std::make_unique<RecordingTracker>(log);
            tracker->raiseOnStep = raiseInTracker;
            track(std::move(tracker), event);
        }
        if (raise)
            raiseError(errorWriteFailed);
    }
    void keyEvent(const KeyEvent& event) override { keys.push_back(event); }

    std::vector<MouseEvent> mice;
    std::vector<KeyEvent> keys;
    std::string log;
    std::unique_ptr<Tracker> nextTracker;
    bool trackOnPress = false;
    bool raiseInTracker = false;
    bool raise = false;
    ColorRef color = rgb(10, 20, 30);

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override { gc.fillRect(clip, color); }
};

class ComponentTest : public testing::Test {
protected:
    Application& application = testApplication();
    Probe* probe = new Probe;
    void TearDown() override { probe->destroy(); }
};

TEST_F(ComponentTest, PaintingDrawsTheComponentOntoItsSurface)
{
    probe->show();
    runEvents(50);
    EXPECT_EQ(probe->surface().pixelAt({39, 29}), rgb(10, 20, 30));
    probe->color = rgb(200, 0, 0);
    probe->invalidate({0, 0, 5, 5});
    probe->updateNow();
    EXPECT_EQ(probe->surface().pixelAt({4, 4}), rgb(200, 0, 0));
    EXPECT_EQ(probe->surface().pixelAt({5, 5}), rgb(10, 20, 30)) << "only the invalid area is drawn";
}

TEST_F(ComponentTest, PointerEventsReachTheWaitingControllerAndErrorsStayInside)
{
    syntheticInput::pressMouse(*probe, {3, 4}, syntheticInput::Button::right, Accelerator::shift);
    probe->raise = true;
    syntheticInput::releaseMouse(*probe, {3, 4}, syntheticInput::Button::right);
    ASSERT_EQ(probe->mice.size(), 2u);
    EXPECT_EQ(probe->mice[0].kind, MouseEvent::rightDown);
    EXPECT_EQ(probe->mice[0].at, (Point{3, 4}));
    EXPECT_TRUE(probe->mice[0].shift);
    EXPECT_TRUE(probe->mice[0].rightButton);
    EXPECT_EQ(probe->mice[1].kind, MouseEvent::rightUp);
}

TEST_F(ComponentTest, AGestureSamplesBeginsStepsAndEndsInOrder)
{
    probe->trackOnPress = true;
    syntheticInput::pressMouse(*probe, {1, 1}, syntheticInput::Button::left);
    syntheticInput::moveMouse(*probe, {2, 1}, true);
    syntheticInput::moveMouse(*probe, {3, 1}, true);
    syntheticInput::releaseMouse(*probe, {4, 1}, syntheticInput::Button::left);
    EXPECT_EQ(probe->log, "sample(1) begin sample(1) step sample(2) step sample(3) step sample(4) end");
    EXPECT_EQ(probe->mice.size(), 1u) << "the gesture takes the pointer until it ends";
    syntheticInput::moveMouse(*probe, {5, 1}, false);
    EXPECT_EQ(probe->mice.size(), 2u);
}

TEST_F(ComponentTest, AGestureThatFailsLetsGoOfThePointer)
{
    probe->trackOnPress = true;
    probe->raiseInTracker = true;
    syntheticInput::pressMouse(*probe, {1, 1}, syntheticInput::Button::left);
    EXPECT_FALSE(probe->isTracking());
    syntheticInput::moveMouse(*probe, {2, 1}, true);
    EXPECT_EQ(probe->mice.size(), 2u);
}

// Holds while the left button is; its steps are counted with the last state sampled.
class HoldTracker : public Tracker {
public:
    HoldTracker(int interval, int& steps, MouseEvent& last, bool& ended)
        : m_interval(interval), m_steps(steps), m_last(last), m_ended(ended)
    {
    }
    void sample(const MouseEvent& state) override { m_last = state; }
    void begin() override {}
    bool continues() const override { return m_last.leftButton; }
    void step() override { ++m_steps; }
    void end() override { m_ended = true; }
    int idleInterval() const override { return m_interval; }

private:
    int m_interval;
    int& m_steps;
    MouseEvent& m_last;
    bool& m_ended;
};

class IdleStepTest : public ComponentTest {
protected:
    void startHold(int interval)
    {
        probe->nextTracker = std::make_unique<HoldTracker>(interval, steps, last, ended);
        syntheticInput::pressMouse(*probe, {3, 4}, syntheticInput::Button::left, Accelerator::shift);
    }
    int steps = 0;
    MouseEvent last{MouseEvent::move, {}, false, false, false, false, {}};
    bool ended = false;
};

TEST_F(IdleStepTest, AnIdleStepSamplesThePointerAgainAndEndsAsAnEventWould)
{
    startHold(0);
    syntheticInput::moveMouse(*probe, {7, 8}, true, syntheticInput::Button::left, Accelerator::shift);
    int before = steps;
    probe->idleStep();
    probe->idleStep();
    EXPECT_EQ(steps, before + 2);
    EXPECT_EQ(last.kind, MouseEvent::move) << "nothing was pressed anew";
    EXPECT_EQ(last.at, (Point{7, 8}));
    EXPECT_TRUE(last.leftButton && last.shift) << "the buttons and keys as last seen";

    syntheticInput::releaseMouse(*probe, {7, 8}, syntheticInput::Button::left);
    EXPECT_TRUE(ended);
    probe->idleStep();
    EXPECT_EQ(steps, before + 2) << "no gesture, no step";
}

TEST_F(IdleStepTest, TheTimerStepsWhileThePointerStandsStillOnlyForTrackersThatAskForIt)
{
    uint32_t timers = Timer::runningCount();
    startHold(0);
    int afterPress = steps;
    runEvents(30);
    EXPECT_EQ(steps, afterPress) << "without an interval only pointer events step";
    EXPECT_EQ(Timer::runningCount(), timers);
    syntheticInput::releaseMouse(*probe, {3, 4}, syntheticInput::Button::left);

    startHold(5);
    EXPECT_EQ(Timer::runningCount(), timers + 1);
    EXPECT_TRUE(runEvents(0, [&] { return steps >= afterPress + 4; }));
    syntheticInput::releaseMouse(*probe, {3, 4}, syntheticInput::Button::left);
    EXPECT_TRUE(ended);
    EXPECT_EQ(Timer::runningCount(), timers) << "the timer stops with the gesture";
}

TEST_F(ComponentTest, KeysReachTheFocusedControllerAndOnlyKeysSeenDownGoUp)
{
    syntheticInput::pressKey(*probe, 'A', Accelerator::control, "a");
    ASSERT_EQ(probe->keys.size(), 3u);
    EXPECT_EQ(probe->keys[0].kind, KeyEvent::down);
    EXPECT_EQ(probe->keys[0].key, uint32_t('A'));
    EXPECT_TRUE(probe->keys[0].control);
    EXPECT_EQ(probe->keys[1].kind, KeyEvent::character);
    EXPECT_EQ(probe->keys[1].text, "a");
    EXPECT_EQ(probe->keys[2].kind, KeyEvent::up);
}

class RecordingScroller : public Scroller {
public:
    int32_t rangeSize() const override { return 100; }
    int32_t pageSize() const override { return 10; }
    int32_t position() const override { return at; }
    void beginScroll() override { log += "begin "; }
    void step(int32_t n) override { log += "step" + std::to_string(n) + " "; }
    void page(int32_t n) override { log += "page" + std::to_string(n) + " "; }
    void setPosition(int32_t p) override { log += "set" + std::to_string(p) + " "; }
    void track(int32_t p) override { log += "track" + std::to_string(p) + " "; }
    void toTop() override { log += "top "; }
    void toBottom() override { log += "bottom "; }
    void endScroll() override { log += "end "; }
    std::string log;
    int32_t at = 0;
};

TEST_F(ComponentTest, ScrollActionsMapOntoTheScrollerAndEachGestureBeginsOnce)
{
    RecordingScroller scroller;
    ScrollBarBinding bar(probe->handle(), ScrollBarBinding::Axis::vertical, scroller);
    using Action = ScrollBarBinding::Action;
    bar.perform(Action::lineDown);
    bar.perform(Action::lineDown);
    bar.perform(Action::thumbTrack, 40);
    bar.perform(Action::thumbPosition, 42);
    bar.perform(Action::endScroll);
    bar.perform(Action::pageUp);
    bar.perform(Action::top);
    bar.perform(Action::bottom);
    bar.perform(Action::lineUp);
    bar.perform(Action::endScroll);
    EXPECT_EQ(scroller.log, "begin step1 step1 track40 set42 end begin page-1 top bottom step-1 end ");
}

} // namespace
