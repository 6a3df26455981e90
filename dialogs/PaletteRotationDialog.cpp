#include "dialogs/PaletteRotationDialog.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "framework/Clock.h"
#include "framework/Timer.h"
#include "palette/PaletteRotation.h"
#include "palette/RotationTimer.h"
#include "panels/ModelFollower.h"
#include "panels/PaletteGridDialog.h"

#include <string>

namespace {

constexpr int startButton = 100;
constexpr int stopButton = 101;
constexpr int forwardButton = 102;
constexpr int backwardButton = 103;
constexpr int intervalText = 104;
constexpr int intervalUpDown = 105;
constexpr int intervalPage = 10;

// The rotation's steps on a precise platform timer, restarted for each step, so that the thread
// sleeps between steps instead of polling for them.
class PlatformRotationTimer final : public RotationTimer, private TimerTarget {
public:
    void drive(PaletteRotation& rotation) { m_rotation = &rotation; }

    int64_t now() const override { return Clock::current().now(); }
    void schedule(int64_t delayMs) override { m_timer.start(int(delayMs), Timer::Precision::precise); }
    void cancel() override { m_timer.stop(); }

private:
    bool tick(Timer&) override
    {
        if (m_rotation)
            m_rotation->tick();
        return false;
    }

    PaletteRotation* m_rotation = nullptr;
    Timer m_timer{this};
};

// The buttons, the direction pair and the interval, following the rotation.
class RotationControls {
public:
    RotationControls(PaletteGridDialog& dialog, PaletteRotation& rotation)
        : m_dialog(dialog), m_rotation(rotation), m_follower([this](const Aspect*) { show(); })
    {
        dialog.control(startButton)->onClicked([this] { m_rotation.setAnimation(1); });
        dialog.control(stopButton)->onClicked([this] { m_rotation.setAnimation(0); });
        dialog.control(forwardButton)->onClicked([this] { m_rotation.setDirection(0); });
        dialog.control(backwardButton)->onClicked([this] { m_rotation.setDirection(1); });
        DialogControl& upDown = *dialog.control(intervalUpDown);
        upDown.onStep([this](int delta) { m_rotation.setIntervalSpin(m_rotation.intervalSpin() + delta); });
        upDown.onPageStep(
            [this](int delta) { m_rotation.setIntervalSpin(m_rotation.intervalSpin() + delta * intervalPage); });
        m_follower.follow(&rotation);
        show();
    }

private:
    void show()
    {
        int animation = m_rotation.animation();
        m_dialog.control(startButton)->setEnabled(animation == 0);
        m_dialog.control(stopButton)->setEnabled(animation == 1);
        m_dialog.control(forwardButton)->setChecked(m_rotation.direction() == 0);
        m_dialog.control(backwardButton)->setChecked(m_rotation.direction() == 1);
        m_dialog.control(intervalText)->setText(std::to_string(m_rotation.interval()));
    }

    PaletteGridDialog& m_dialog;
    PaletteRotation& m_rotation;
    ModelFollower m_follower;
};

} // namespace

void runPaletteRotationDialog(BitmapDocument& document)
{
    BitmapPalette* palette = document.palette();
    if (!palette || document.isFullColor())
        return;
    PlatformRotationTimer timer;
    PaletteRotation rotation(*palette, timer);
    timer.drive(rotation);
    PaletteGridDialog dialog("PALETTE_ANIMATION_DIALOG", rotation, true);
    RotationControls controls(dialog, rotation);
    dialog.runModal();
    rotation.setAnimation(0);
}
