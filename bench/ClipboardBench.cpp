// What a copy and a paste cost. A copy of a 10000 x 10000 select-all (the packed DIB the clipboard
// takes) is timed against memcpy of the picture's bytes, and pasting that DIB back with the marker
// against the same memcpy. Arguments: rgb (0: 8 bits, 1: 24 bits). Ratios use processor time
// measured in the same run, over two seconds each: a paste's first fresh pages cost the system more.
#include "bench/RatioReport.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/ClipboardImage.h"
#include "document/DocumentLifecycle.h"
#include "document/NewParams.h"
#include "document/PastedPicture.h"
#include "document/SelectionRecord.h"
#include "pixels/DIBImage.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int32_t side = 10000;

// One picture of each depth, all selected, its dots not one colour.
BitmapDocument& selectedPicture(bool fullColor)
{
    static BitmapDocument* pictures[2] = {};
    BitmapDocument*& document = pictures[fullColor ? 1 : 0];
    if (!document) {
        document = new BitmapDocument(NewParams::current());
        document->newContent({fullColor, 0, 0x00FFFFFF, {16, 16}, {side, side}}, lifecycle::defaultPaletteFile(),
                             "bench");
        DIBImage& image = *document->image();
        for (int32_t y = 0; y < side; ++y)
            for (int32_t i = 0; i < std::abs(image.stride()); ++i)
                image.row(y)[i] = uint8_t(i * 7 + y);
        auto record = std::make_shared<SelectionRecord>();
        record->region.setRect(document->bounds());
        document->selectionPlug().setSelection(record);
    }
    return *document;
}

size_t pictureBytes(bool fullColor)
{
    return size_t(side) * size_t(DIBImage::rowLength(fullColor ? 24 : 8, side));
}

void BM_Memcpy(benchmark::State& state)
{
    size_t bytes = pictureBytes(state.range(0) != 0);
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_Memcpy)->ArgName("rgb")->DenseRange(0, 1)->MinTime(2)->Unit(benchmark::kMillisecond);

void BM_Copy(benchmark::State& state)
{
    BitmapDocument& document = selectedPicture(state.range(0) != 0);
    std::vector<uint8_t> out;
    for (auto _ : state) {
        std::optional<clipboardImage::SelectionCopy> copy = clipboardImage::SelectionCopy::of(document);
        out.resize(copy->size());
        copy->write(out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Copy)->ArgName("rgb")->DenseRange(0, 1)->MinTime(2)->Unit(benchmark::kMillisecond);

void BM_PasteMarked(benchmark::State& state)
{
    BitmapDocument& document = selectedPicture(state.range(0) != 0);
    std::optional<clipboardImage::SelectionCopy> copy = clipboardImage::SelectionCopy::of(document);
    std::vector<uint8_t> dib(copy->size());
    copy->write(dib);
    for (auto _ : state) {
        std::shared_ptr<DIBImage> image = fromDib(PasteTarget::of(document), dib, 0, true);
        benchmark::DoNotOptimize(image.get());
    }
}
BENCHMARK(BM_PasteMarked)->ArgName("rgb")->DenseRange(0, 1)->MinTime(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWithRatios(argc, argv, [](RecordingReporter& reporter) {
        std::printf("\ndepth  copy vs memcpy (target <= 2)  marked paste vs memcpy (target <= 3)\n");
        // The run names carry their minimum time after the argument.
        auto time = [&](const std::string& name) {
            auto found = reporter.times.lower_bound(name);
            return found != reporter.times.end() && found->first.starts_with(name) ? found->second : 0.0;
        };
        for (int rgb : {0, 1}) {
            std::string depth = "/rgb:" + std::to_string(rgb);
            double memcpy = time("BM_Memcpy" + depth);
            double copy = time("BM_Copy" + depth), paste = time("BM_PasteMarked" + depth);
            if (memcpy > 0)
                std::printf("%5s  %28.2f  %38.2f\n", rgb ? "24" : "8", copy / memcpy, paste / memcpy);
        }
    });
}
