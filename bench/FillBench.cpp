// What the bucket fill costs on a 10000 x 10000 8-bit picture: the seed fill of its mask and the
// painting of the dots it reached, timed against memset of the picture's bytes, on a picture that
// is one area and on a serpentine maze (one long run per row, joined at alternate ends). The
// making of the mask from the picture's colours is timed apart. Ratios use processor time measured
// in the same run.
#include "bench/RatioReport.h"
#include "operations/FillMasks.h"
#include "operations/MaskFill.h"
#include "operations/SeedFill.h"
#include "pixels/IndexedImage.h"
#include "pixels/MaskImage.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t side = 10000;
constexpr uint8_t areaIndex = 0, wallIndex = 2, inkIndex = 1;

enum Shape { oneArea, maze };

// The picture: index 0 all over, or a maze of index 0 paths between walls of index 2 with one
// open dot each, at the right end and the left end in turn.
IndexedImage& picture(Shape shape)
{
    static IndexedImage images[2];
    IndexedImage& image = images[shape];
    if (!image.isEmpty())
        return image;
    image.create({side, side});
    for (int32_t y = 1; shape == maze && y < side; y += 2) {
        std::memset(image.row(y), wallIndex, size_t(side));
        image.row(y)[y % 4 == 1 ? side - 1 : 0] = areaIndex;
    }
    return image;
}

std::shared_ptr<MaskImage> areaMask(const IndexedImage& image)
{
    auto mask = MaskImage::newMask(image.extent());
    mask->clear(true);
    keepSameColor(*mask, {0, 0}, image, paletteIndex(areaIndex));
    return mask;
}

void BM_Memset(benchmark::State& state)
{
    std::vector<uint8_t> bytes(size_t(side) * size_t(side));
    for (auto _ : state) {
        std::memset(bytes.data(), inkIndex, bytes.size());
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_Memset)->Unit(benchmark::kMillisecond);

// The mask of the dots of the seed's colour, as the plain bucket fill makes it.
void BM_SameColorMask(benchmark::State& state)
{
    const IndexedImage& image = picture(Shape(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(areaMask(image));
}
BENCHMARK(BM_SameColorMask)->ArgName("maze")->Arg(oneArea)->Arg(maze)->Unit(benchmark::kMillisecond);

// The seed fill from the top-left dot and the painting of what it reached, as the bucket paints it.
void BM_SeedFillAndPaint(benchmark::State& state)
{
    Shape shape = Shape(state.range(0));
    IndexedImage& image = picture(shape);
    std::shared_ptr<MaskImage> mask = areaMask(image);
    bool complete = true;
    for (auto _ : state) {
        FilledArea area = seedFill(*mask, {0, 0});
        complete = complete && area.complete;
        maskFill(image, *area.dots, {0, 0}, paletteIndex(inkIndex), nullptr);
    }
    if (!complete || image.row(side - 2)[side / 2] != inkIndex)
        state.SkipWithError("the fill did not reach the whole area");
}
BENCHMARK(BM_SeedFillAndPaint)->ArgName("maze")->Arg(oneArea)->Arg(maze)->Unit(benchmark::kMillisecond);

// The seed fill alone.
void BM_SeedFill(benchmark::State& state)
{
    std::shared_ptr<MaskImage> mask = areaMask(picture(Shape(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(seedFill(*mask, {0, 0}));
}
BENCHMARK(BM_SeedFill)->ArgName("maze")->Arg(oneArea)->Arg(maze)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWithRatios(argc, argv, [](RecordingReporter& reporter) {
        auto time = [&](const std::string& name) { return reporter.times[name]; };
        double memset = time("BM_Memset");
        if (memset <= 0)
            return;
        std::printf("\npicture   seed fill and paint vs memset (target <= 4)  seed fill alone  mask vs memset\n");
        for (int shape : {oneArea, maze}) {
            std::string arg = "/maze:" + std::to_string(shape);
            std::printf("%-8s  %44.2f  %15.2f  %14.2f\n", shape == maze ? "maze" : "one area",
                        time("BM_SeedFillAndPaint" + arg) / memset, time("BM_SeedFill" + arg) / memset,
                        time("BM_SameColorMask" + arg) / memset);
        }
    });
}
