// What a full repaint of a 1920 x 1080 edit view costs for a small and a huge picture, at zoom 1, 4
// and 16. Painting must follow the area drawn, not the picture: the program prints, for each zoom,
// the huge picture's time over the small one's, and each repaint over a plain copy of the same
// number of screen pixels measured in the same run; a blink of a huge select-all's outline over a
// small one's, and so a nudge of it; a phase of press-and-hold blinking of palette entries (the palette changes and
// the view repaints), huge over small and against the plain copy; a step of a palette rotation, huge over small; and
// the share of a processor that a running rotation dialog takes. The ratios use processor time, which a busy machine
// disturbs less than the clock.
#include "bench/RatioReport.h"
#include "dialogs/PaletteRotationDialog.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/DocumentLifecycle.h"
#include "document/NewParams.h"
#include "document/SelectionRecord.h"
#include "framework/Application.h"
#include "framework/Clock.h"
#include "framework/DialogPage.h"
#include "framework/ScriptedDialogs.h"
#include "palette/ColorRotation.h"
#include "palette/PaletteRotation.h"
#include "palette/RotationTimer.h"
#include "panels/PaletteFlasher.h"
#include "pixels/DIBImage.h"
#include "views/EditView.h"
#include "views/ToolBox.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr Point screen{1920, 1080};

void BM_PlainCopy(benchmark::State& state)
{
    size_t bytes = size_t(screen.x) * size_t(screen.y) * 4;
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

// A white picture of side x side dots in a screen-sized edit view.
struct ShownPicture {
    ShownPicture(int32_t side, bool fullColor) : document(new BitmapDocument(NewParams::current()))
    {
        document->newContent({fullColor, 0, 0x00FFFFFF, {16, 16}, {side, side}}, lifecycle::defaultPaletteFile(),
                             "bench");
        view = new EditView(nullptr, tools);
        view->setModel(document);
        view->place(Rect::fromSize({0, 0}, screen));
        view->show();
        Application::processEvents(50);
    }
    ~ShownPicture() { view->destroy(); }

    // Zoom 8 at the centre, where pictures of every size fill the view, then a first repaint.
    void fillView()
    {
        Point size = document->image()->extent();
        view->setZoom(8, {size.x / 2, size.y / 2});
        view->updateNow();
    }

    ToolBox tools;
    BitmapDocument* document;
    EditView* view = nullptr;
};

// args: picture side, zoom, full colour (0 or 1).
void BM_Repaint(benchmark::State& state)
{
    int32_t side = int32_t(state.range(0));
    int32_t zoom = int32_t(state.range(1));
    ShownPicture shown(side, state.range(2) != 0);
    shown.view->setZoom(zoom, {side / 2, side / 2});
    shown.view->setMeshVisible(true);
    for (auto _ : state) {
        shown.view->invalidateAll();
        shown.view->updateNow();
    }
}
BENCHMARK(BM_Repaint)
    ->ArgsProduct({{256, 10000}, {1, 4, 16}, {0, 1}})
    ->ArgNames({"side", "zoom", "rgb"})
    ->Unit(benchmark::kMicrosecond);

// One blink of the outline of a select-all, the view on the picture's top-left corner: it must
// cost the frame's band in view, not a new frame. args: picture side, zoom.
void BM_OutlineBlink(benchmark::State& state)
{
    int32_t side = int32_t(state.range(0));
    int32_t zoom = int32_t(state.range(1));
    ShownPicture shown(side, false);
    shown.view->setZoom(zoom, {screen.x / (2 * zoom), screen.y / (2 * zoom)});
    auto all = std::make_shared<SelectionRecord>();
    all->region.setRect(shown.document->bounds());
    shown.document->selectionPlug().setSelection(all);
    shown.view->updateNow();
    int before = shown.view->outline().rebuildCount();
    Timer unused;
    for (auto _ : state) {
        shown.view->outline().tick(unused);
        shown.view->updateNow();
    }
    state.counters["rebuilds"] = shown.view->outline().rebuildCount() - before;
}
BENCHMARK(BM_OutlineBlink)
    ->ArgsProduct({{256, 10000}, {1, 4}})
    ->ArgNames({"side", "zoom"})
    ->Unit(benchmark::kMicrosecond);

// A one-dot nudge, to and fro, of a selection (not lifted) of side x side dots at the top-left
// corner of a 10000 x 10000 picture, the view on that corner at zoom 1: the frame must move with
// it, not be made again, whatever the selection's size. arg: the selection's side.
void BM_OutlineNudge(benchmark::State& state)
{
    auto side = int32_t(state.range(0));
    ShownPicture shown(10000, false);
    shown.view->setZoom(1, {screen.x / 2, screen.y / 2});
    auto place = [&](int32_t x) {
        auto record = std::make_shared<SelectionRecord>();
        record->region.setRect({x, 0, x + side - 1, side});
        shown.document->selectionPlug().setSelection(record);
        shown.view->updateNow();
    };
    place(0);
    int32_t x = 0;
    for (auto _ : state) {
        x = 1 - x;
        place(x);
    }
}
BENCHMARK(BM_OutlineNudge)->Arg(256)->Arg(10000)->ArgName("side")->Unit(benchmark::kMicrosecond);

// One phase of press-and-hold blinking of a row of 16 entries on an 8-bit picture: the palette's
// colours change and the whole view shows them. At zoom 8 both pictures fill the view, so the
// repaint is the same and what differs is what the palette change costs. arg: picture side.
void BM_PaletteBlink(benchmark::State& state)
{
    ShownPicture shown(int32_t(state.range(0)), false);
    shown.fillView();
    TestClock clock;
    const Clock* previous = Clock::install(&clock);
    {
        PaletteFlasher flasher(*shown.document->palette(), {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
                               PaletteFlasher::Hold::anyButton, {});
        flasher.sample({Visual::MouseEvent::leftDown, {}, false, false, true, false, {}});
        flasher.begin();
        clock.advance(Clock::doubleClickTime());
        flasher.step();
        for (auto _ : state) {
            clock.advance(PaletteFlasher::phaseTime);
            flasher.step();
            shown.view->updateNow();
        }
    }
    Clock::install(previous);
}
BENCHMARK(BM_PaletteBlink)->Arg(256)->Arg(10000)->ArgName("side")->Unit(benchmark::kMicrosecond);

// A clock the benchmark moves by a period before each step.
struct SteppedTimer : RotationTimer {
    int64_t now() const override { return clock; }
    void schedule(int64_t) override {}
    void cancel() override {}
    int64_t clock = 0;
};

// One step of a rotation of a row of 16 entries on an 8-bit picture filling the view at zoom 8: the
// colours move and the view shows them; the picture's own dots are never touched. arg: picture side.
void BM_RotationStep(benchmark::State& state)
{
    ShownPicture shown(int32_t(state.range(0)), false);
    shown.fillView();
    SteppedTimer timer;
    PaletteRotation rotation(*shown.document->palette(), timer);
    rotation.selectOnlyRow(15);
    rotation.setAnimation(1);
    for (auto _ : state) {
        timer.clock += rotationPeriod(1);
        rotation.tick();
        shown.view->updateNow();
    }
}
BENCHMARK(BM_RotationStep)->Arg(256)->Arg(10000)->ArgName("side")->Unit(benchmark::kMicrosecond);

double seconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The rotation dialog running all 256 entries at interval 1 for 5 s of wall time, on its own timer
// and the program's event loop: the process's processor time over the wall time, as a counter.
// arg: 0 with the document alone, 1 with a 1920 x 1080 view of the 10000 x 10000 picture at zoom 8
// repainting every step.
void BM_RotationBusyShare(benchmark::State& state)
{
    ShownPicture shown(10000, false);
    if (state.range(0) == 0)
        shown.view->hide();
    else
        shown.view->setZoom(8, {5000, 5000});
    double share = 0;
    ScriptedDialogs script;
    for (auto _ : state) {
        script.answerNext([&](ModalDialog& dialog) {
            dialog.page(0).control(90)->click();
            dialog.page(0).control(100)->click();
            double wall = seconds(CLOCK_MONOTONIC), cpu = seconds(CLOCK_PROCESS_CPUTIME_ID);
            Application::waitForEvents(5000);
            share = (seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu) / (seconds(CLOCK_MONOTONIC) - wall);
            dialog.press(okButtonId);
        });
        runPaletteRotationDialog(*shown.document);
    }
    state.counters["busy"] = share;
}
BENCHMARK(BM_RotationBusyShare)->Arg(0)->Arg(1)->ArgName("view")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWithRatios(argc, argv, [](RecordingReporter& reporter) {
        double copy = reporter.times["BM_PlainCopy"];
        std::printf("\nzoom  depth  10000/256 (target <= 1.2)  256 vs copy  10000 vs copy (target <= 4)\n");
        for (int rgb : {0, 1})
            for (int zoom : {1, 4, 16}) {
                auto name = [&](int side) {
                    return "BM_Repaint/side:" + std::to_string(side) + "/zoom:" + std::to_string(zoom) +
                           "/rgb:" + std::to_string(rgb);
                };
                double small = reporter.times[name(256)], huge = reporter.times[name(10000)];
                if (small > 0 && huge > 0 && copy > 0)
                    std::printf("%4d  %5s  %24.2f  %11.2f  %13.2f\n", zoom, rgb ? "24" : "8", huge / small,
                                small / copy, huge / copy);
            }
        // At zoom 1 the huge frame shows 1920 + 1080 pixels of band and the small one 4 x 256; at
        // zoom 4 the small one's 4 x 1024 pixels are in view as well.
        std::printf("\nzoom  outline blink of a select-all, 10000/256 (target <= 1.2)\n");
        for (int zoom : {1, 4}) {
            auto name = [&](int side) {
                return "BM_OutlineBlink/side:" + std::to_string(side) + "/zoom:" + std::to_string(zoom);
            };
            double small = reporter.times[name(256)], huge = reporter.times[name(10000)];
            if (small > 0 && huge > 0)
                std::printf("%4d  %.2f\n", zoom, huge / small);
        }
        double nudgeSmall = reporter.times["BM_OutlineNudge/side:256"];
        double nudgeAll = reporter.times["BM_OutlineNudge/side:10000"];
        if (nudgeSmall > 0 && nudgeAll > 0)
            std::printf("\nnudge of a select-all vs a 256 x 256 selection (target <= 1.2): %.2f\n",
                        nudgeAll / nudgeSmall);
        // Every fifth phase changes nothing; the others change the palette and repaint the view.
        double small = reporter.times["BM_PaletteBlink/side:256"], huge = reporter.times["BM_PaletteBlink/side:10000"];
        std::printf("\npalette blink phase  10000/256 (target <= 1.2)  256 vs copy  10000 vs copy (target <= 4)\n");
        if (small > 0 && huge > 0 && copy > 0)
            std::printf("%45.2f  %11.2f  %13.2f\n", huge / small, small / copy, huge / copy);
        double stepSmall = reporter.times["BM_RotationStep/side:256"];
        double stepHuge = reporter.times["BM_RotationStep/side:10000"];
        if (stepSmall > 0 && stepHuge > 0)
            std::printf("\nrotation step 10000/256 (target <= 1.2): %.2f\n", stepHuge / stepSmall);
        std::printf("rotation busy share at interval 1 (target <= 0.10): %.3f alone, %.3f with a 1920 x 1080 view\n",
                    double(reporter.counters["BM_RotationBusyShare/view:0/iterations:1"]["busy"]),
                    double(reporter.counters["BM_RotationBusyShare/view:1/iterations:1"]["busy"]));
    });
}
