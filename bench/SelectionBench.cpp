// What moving a floating selection costs. A one-dot move of a 4000 x 4000 floating image is timed
// in paste modes 0 and 2 against memcpy of the image's bytes: a move composites once over the
// image and must cost a few passes over its rows, never a call per dot. Saving a 10000 x 10000
// full-colour picture with a floating select-all is timed against saving it without one, and the
// growth of the process's peak memory while it saves is printed: the floating image is written
// without a second copy of the picture. Ratios use processor time measured in the same run, but
// the saves' use wall time, since most of a save is the wait for the disk.
#include "base/FilePath.h"
#include "bench/RatioReport.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/DocumentLifecycle.h"
#include "document/NewParams.h"
#include "document/SelectionCommands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int32_t side = 4000;

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

size_t imageBytes(bool fullColor)
{
    return size_t(side) * size_t(side) * (fullColor ? 3 : 1);
}

void BM_Memcpy(benchmark::State& state)
{
    std::vector<uint8_t> from(imageBytes(state.range(0) != 0), 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_Memcpy)->ArgName("rgb")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A select-all of a picture with a figure in its left half, lifted, then moved by one dot to and
// fro over a picture one dot wider than it.
void BM_FloatingMove(benchmark::State& state)
{
    bool fullColor = state.range(1) != 0;
    auto* document = new BitmapDocument(NewParams::current());
    document->newContent({fullColor, 0, 0x00FFFFFF, {16, 16}, {side + 1, side}}, lifecycle::defaultPaletteFile(),
                         "bench");
    document->fillRect({0, 0, side / 2, side}, document->drawingColor());
    document->setPasteMode(int32_t(state.range(0)));
    selectionCommands::selectAll(*document);
    document->selectionPlug().moveBy({1, 0}, false);
    int32_t step = -1;
    for (auto _ : state) {
        document->selectionPlug().moveBy({step, 0}, false);
        step = -step;
    }
    delete document;
}
BENCHMARK(BM_FloatingMove)->ArgsProduct({{0, 2}, {0, 1}})->ArgNames({"mode", "rgb"})->Unit(benchmark::kMillisecond);

// Saves a 10000 x 10000 full-colour picture, with a lifted select-all moved by a dot or without.
void BM_Save(benchmark::State& state)
{
    constexpr int32_t big = 10000;
    bool floating = state.range(0) != 0;
    auto* document = new BitmapDocument(NewParams::current());
    document->newContent({true, 0, 0x00FFFFFF, {16, 16}, {big, big}}, lifecycle::defaultPaletteFile(), "bench");
    document->fillRect({0, 0, big / 2, big}, document->drawingColor());
    if (floating) {
        selectionCommands::selectAll(*document);
        document->selectionPlug().moveBy({1, 0}, false);
    }
    FilePath path;
    path.setFullPath("/tmp/tilvaner-save-bench-" + std::to_string(getpid()) + ".bmp");
    long before = peakKilobytes();
    for (auto _ : state)
        document->saveTo(path);
    state.counters["peak_growth_MB"] = double(peakKilobytes() - before) / 1024;
    std::remove(path.path().c_str());
    delete document;
}
BENCHMARK(BM_Save)->ArgName("floating")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runWithRatios(argc, argv, [](RecordingReporter& reporter) {
        std::printf("\ndepth  mode 0 move vs memcpy (target <= 4)  mode 2 move vs memcpy (target <= 4)\n");
        for (int rgb : {0, 1}) {
            auto time = [&](const std::string& name) { return reporter.times[name]; };
            std::string depth = "/rgb:" + std::to_string(rgb);
            double memcpy = time("BM_Memcpy" + depth);
            double mode0 = time("BM_FloatingMove/mode:0" + depth), mode2 = time("BM_FloatingMove/mode:2" + depth);
            if (memcpy > 0)
                std::printf("%5s  %36.2f  %36.2f\n", rgb ? "24" : "8", mode0 / memcpy, mode2 / memcpy);
        }
        double plain = reporter.realTimes["BM_Save/floating:0/real_time"];
        double floating = reporter.realTimes["BM_Save/floating:1/real_time"];
        if (plain > 0)
            std::printf("\nsave with a floating select-all vs without (target <= 1.2): %.2f\n", floating / plain);
    });
}
