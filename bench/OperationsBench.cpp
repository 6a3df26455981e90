// The Image menu's flips, turns and scaling on 10000 x 10000 pictures of 8 and 24 bits. Each figure
// is printed as a ratio to a memcpy of the bytes the operation writes, measured in the same run.
#include "bench/RatioReport.h"
#include "operations/RotateImage.h"
#include "operations/ScaleImage.h"
#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/TrueColorImage.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int32_t side = 10000;

std::shared_ptr<DIBImage> picture(int depth, int32_t length)
{
    std::shared_ptr<DIBImage> image;
    if (depth == 8) {
        auto palette = std::make_shared<LogicalPalette>();
        palette->create(256);
        image = std::make_shared<IndexedImage>(palette);
    } else {
        image = std::make_shared<TrueColorImage>();
    }
    image->create({length, length});
    for (int32_t y = 0; y < length; ++y)
        for (int32_t i = 0; i < image->stride(); ++i)
            image->row(y)[i] = uint8_t(i * 7 + y);
    return image;
}

void BM_CopyReference(benchmark::State& state)
{
    size_t bytes = size_t(side) * size_t(DIBImage::rowLength(int(state.range(0)), side));
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_CopyReference)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

// One operation on a square picture of the given side; the counter "written" is the bytes of the
// image it makes, which the ratio weighs against the reference copy.
void measure(benchmark::State& state, int32_t length,
             const std::function<std::shared_ptr<DIBImage>(const DIBImage&)>& op)
{
    std::shared_ptr<DIBImage> source = picture(int(state.range(0)), length);
    double written = 0;
    for (auto _ : state) {
        std::shared_ptr<DIBImage> made = op(*source);
        written = double(made->height()) * made->stride();
        benchmark::DoNotOptimize(made->bits());
    }
    state.counters["written"] = written;
}

void BM_FlipAcross(benchmark::State& state)
{
    measure(state, side, [](const DIBImage& s) { return scaleImage(s, {-s.width(), s.height()}); });
}
void BM_FlipDown(benchmark::State& state)
{
    measure(state, side, [](const DIBImage& s) { return scaleImage(s, {s.width(), -s.height()}); });
}
void BM_QuarterTurn(benchmark::State& state)
{
    measure(state, side, [](const DIBImage& s) { return rotateImage(s, std::numbers::pi / 2); });
}
void BM_ScaleUp(benchmark::State& state)
{
    measure(state, side / 2, [](const DIBImage& s) { return scaleImage(s, {2 * s.width(), 2 * s.height()}); });
}
void BM_ScaleDown(benchmark::State& state)
{
    measure(state, side, [](const DIBImage& s) { return scaleImage(s, {s.width() / 2, s.height() / 2}); });
}
void BM_Rotate10(benchmark::State& state)
{
    measure(state, side, [](const DIBImage& s) { return rotateImage(s, 10 * std::numbers::pi / 180); });
}

BENCHMARK(BM_FlipAcross)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlipDown)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuarterTurn)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleUp)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleDown)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rotate10)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

const char* const operations[] = {"BM_FlipAcross", "BM_FlipDown",  "BM_QuarterTurn",
                                  "BM_ScaleUp",    "BM_ScaleDown", "BM_Rotate10"};

} // namespace

int main(int argc, char** argv)
{
    return runWithRatios(argc, argv, [](RecordingReporter& reporter) {
        std::printf("\noperation       depth  time / memcpy of the bytes written\n");
        for (int depth : {8, 24}) {
            std::string suffix = "/depth:" + std::to_string(depth);
            double copy = reporter.times["BM_CopyReference" + suffix];
            double copied = double(side) * DIBImage::rowLength(depth, side);
            for (const char* operation : operations) {
                std::string name = operation + suffix;
                double time = reporter.times[name];
                double written = reporter.counters[name]["written"];
                if (copy > 0 && time > 0 && written > 0)
                    std::printf("%-15s %5d  %6.2f\n", operation + 3, depth, time / (copy * written / copied));
            }
        }
    });
}
