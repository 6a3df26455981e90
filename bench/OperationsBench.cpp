// The Image menu's flips, turns, scaling, canvas, colour replacements and outlines on 10000 x 10000
// pictures of 8 and 24 bits. Each figure is printed as a ratio to a memcpy of the bytes the
// operation writes, measured in the same run.
#include "bench/CopyReference.h"
#include "bench/RatioReport.h"
#include "operations/CopyArea.h"
#include "operations/EdgeOutline.h"
#include "operations/FillMasks.h"
#include "operations/IndexTranslation.h"
#include "operations/MaskFill.h"
#include "operations/RotateImage.h"
#include "operations/ScaleImage.h"
#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/MaskImage.h"
#include "pixels/TrueColorImage.h"

#include <benchmark/benchmark.h>

#include <array>
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
    copyReference(state, side);
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

void BM_Canvas(benchmark::State& state)
{
    // Grown by 100 dots on every side: whole rows of background and rows copied between two margins.
    measure(state, side, [](const DIBImage& s) { return copyArea(s, {-100, -100, side + 100, side + 100}, 0); });
}

// A step that changes the picture in place, over the mask of the whole picture as a selection of
// all; the counter "written" is the picture's bytes.
void measureInPlace(benchmark::State& state, const std::function<void(DIBImage&, MaskImage&, int round)>& op,
                    const std::function<void(DIBImage&)>& prepare = {})
{
    std::shared_ptr<DIBImage> image = picture(int(state.range(0)), side);
    if (prepare)
        prepare(*image);
    std::shared_ptr<MaskImage> all = MaskImage::newMask({side, side});
    int round = 0;
    for (auto _ : state) {
        all->clear(true);
        op(*image, *all, round++);
        benchmark::DoNotOptimize(image->bits());
    }
    state.counters["written"] = double(image->height()) * image->stride();
}

void BM_Replace(benchmark::State& state)
{
    // Three targets to one result and back again, so that every round finds its targets.
    measureInPlace(state, [](DIBImage& image, MaskImage& mask, int round) {
        BorderFlags others;
        others.fill(true);
        for (int target : {7, 8, 9})
            others[size_t(round % 2 ? 200 : target)] = false;
        keepInsideBorders(mask, {0, 0}, image, others);
        maskFill(image, mask, {0, 0}, paletteIndex(round % 2 ? 7 : 200), nullptr);
    });
}

void BM_Renumber(benchmark::State& state)
{
    measureInPlace(state, [](DIBImage& image, MaskImage& mask, int) {
        std::array<uint8_t, 256> table;
        for (int c = 0; c < 256; ++c)
            table[size_t(c)] = uint8_t(0x30 + c % 16);
        translateIndicesUnder(image, mask, {0, 0}, table);
    });
}

// The outline of the shapes of a picture that is background (0) but for a dot every 97 dots on
// every 89th row: the rings grow into the ground, as around a sprite sheet's figures.
void outline(benchmark::State& state, int width)
{
    measureInPlace(
        state,
        [width](DIBImage& image, MaskImage& mask, int) {
            keepOtherColors(mask, {0, 0}, image, 0);
            std::shared_ptr<MaskImage> ring = outlineMask(mask, width, true);
            // The ring is painted in the ground colour, so the next round finds the same shapes.
            maskFill(image, *ring, {0, 0}, 0, nullptr);
        },
        [](DIBImage& image) {
            int bytes = image.depth() / 8;
            for (int32_t y = 0; y < image.height(); ++y)
                std::memset(image.row(y), 0, size_t(image.width() * bytes));
            for (int32_t y = 0; y < image.height(); y += 89)
                for (int32_t x = 0; x < image.width(); x += 97)
                    image.row(y)[x * bytes] = 5;
        });
}
void BM_Edge1(benchmark::State& state)
{
    outline(state, 1);
}
void BM_Edge64(benchmark::State& state)
{
    outline(state, 64);
}

BENCHMARK(BM_FlipAcross)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlipDown)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuarterTurn)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleUp)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleDown)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rotate10)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Canvas)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
// The replacements work on indices, so on 8-bit pictures only.
BENCHMARK(BM_Replace)->ArgName("depth")->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Renumber)->ArgName("depth")->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Edge1)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Edge64)->ArgName("depth")->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

const char* const operations[] = {"BM_FlipAcross", "BM_FlipDown", "BM_QuarterTurn", "BM_ScaleUp",
                                  "BM_ScaleDown",  "BM_Rotate10", "BM_Canvas",      "BM_Replace",
                                  "BM_Renumber",   "BM_Edge1",    "BM_Edge64"};

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
