// Image and region costs on a 10000 x 10000 picture. Each figure is read against BM_CopyReference,
// a plain memcpy of the same bytes in the same run.
#include "bench/CopyReference.h"
#include "core/DigitalLine.h"
#include "operations/IndexTranslation.h"
#include "operations/PenStamp.h"
#include "pixels/IndexedImage.h"
#include "pixels/MaskImage.h"
#include "pixels/Region.h"
#include "pixels/TrueColorImage.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int32_t side = 10000;

void BM_CopyReference(benchmark::State& state)
{
    copyReference(state, side);
}
BENCHMARK(BM_CopyReference)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

template <class Image>
void BM_Duplicate(benchmark::State& state)
{
    Image image;
    image.create({side, side});
    image.clear(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(image.duplicate());
}
BENCHMARK_TEMPLATE(BM_Duplicate, IndexedImage)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Duplicate, TrueColorImage)->Unit(benchmark::kMillisecond);

template <class Image>
void BM_FillRunWholeImage(benchmark::State& state)
{
    Image image;
    image.create({side, side});
    for (auto _ : state) {
        for (int32_t y = 0; y < side; ++y)
            image.fillRun(image.row(y), rgb(1, 2, 3), side);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK_TEMPLATE(BM_FillRunWholeImage, IndexedImage)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_FillRunWholeImage, TrueColorImage)->Unit(benchmark::kMillisecond);

// A 10000-dot diagonal stamped with a 99 x 99 square pen, the widest line the Line tool draws.
template <class Image>
void BM_WideLine(benchmark::State& state)
{
    Image image;
    image.create({side, side});
    auto pen = MaskImage::newMask({99, 99});
    pen->clear(false);
    for (auto _ : state) {
        forEachLineDot({0, 0}, {side, side}, [&](Point dot) {
            penStamp(image, *pen, {dot.x - 49, dot.y - 49}, rgb(1, 2, 3), nullptr);
        });
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK_TEMPLATE(BM_WideLine, IndexedImage)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_WideLine, TrueColorImage)->Unit(benchmark::kMillisecond);

// A full mask is one run per row; a disc has two edges per row; stripes make 500 runs per row.
void BM_RegionFromMask(benchmark::State& state)
{
    auto mask = MaskImage::newMask({side, side});
    mask->clear(false);
    for (int32_t y = 0; y < side; ++y) {
        switch (state.range(0)) {
        case 0: mask->setRun(y, 0, side); break;
        case 1: {
            int32_t half = int32_t(std::sqrt(double(side / 2) * (side / 2) - double(y - side / 2) * (y - side / 2)));
            mask->setRun(y, side / 2 - half, side / 2 + half);
            break;
        }
        default:
            for (int32_t x = (y & 1) * 10; x < side; x += 20)
                mask->setRun(y, x, x + 10);
        }
    }
    for (auto _ : state) {
        Region region;
        region.setFromMask(*mask, {1, 1});
        benchmark::DoNotOptimize(region.isEmpty());
    }
}
BENCHMARK(BM_RegionFromMask)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

// The pixel renumbering of a palette sort: one table lookup per dot of a 10000 x 10000 picture.
void BM_TranslateIndices(benchmark::State& state)
{
    IndexedImage image;
    image.create({side, side});
    for (int32_t y = 0; y < side; ++y)
        for (int32_t x = 0; x < side; ++x)
            image.row(y)[x] = uint8_t(x * 7 + y);
    std::array<uint8_t, 256> table;
    for (int i = 0; i < 256; ++i)
        table[size_t(i)] = uint8_t(255 - i);
    for (auto _ : state) {
        translateIndices(image, table);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_TranslateIndices)->Unit(benchmark::kMillisecond);
