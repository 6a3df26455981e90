// What the pencil and the line cost. A 10000-dot line of width 99 is timed against memset of the
// bytes it covers, and a 1000-dot pencil stroke on a 10000 x 10000 picture against the same stroke
// on 256 x 256, with the views repainting what it damaged: a stroke must cost what it touches,
// never the picture's size. Ratios use processor time measured in the same run.
#include "bench/RatioReport.h"
#include "document/BitmapDocument.h"
#include "document/DocumentLifecycle.h"
#include "document/NewParams.h"
#include "document/PencilStroke.h"
#include "document/StraightLine.h"
#include "framework/Application.h"
#include "operations/PenStamp.h"
#include "pixels/MaskImage.h"
#include "views/EditView.h"
#include "views/ToolBox.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int32_t lineLength = 10000;
constexpr int32_t lineWidth = 99;

BitmapDocument* newPicture(Point size, bool fullColor)
{
    auto* document = new BitmapDocument(NewParams::current());
    document->newContent({fullColor, 0, 0x00FFFFFF, {16, 16}, size}, lifecycle::defaultPaletteFile(), "bench");
    return document;
}

// The bytes a horizontal line of lineLength dots and width lineWidth covers.
size_t lineBytes(bool fullColor)
{
    return size_t(lineLength + lineWidth - 1) * size_t(lineWidth) * (fullColor ? 3 : 1);
}

void BM_Memset(benchmark::State& state)
{
    std::vector<uint8_t> bytes(lineBytes(state.range(0) != 0));
    for (auto _ : state) {
        std::memset(bytes.data(), int(bytes.size() & 0xFF), bytes.size());
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_Memset)->ArgName("rgb")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The painting of the line alone, on the image.
void BM_LineStamp(benchmark::State& state)
{
    bool fullColor = state.range(0) != 0;
    BitmapDocument* document = newPicture({lineLength + 2 * lineWidth, 3 * lineWidth}, fullColor);
    auto pen = MaskImage::newMask({lineWidth, lineWidth});
    pen->clear(false);
    Point hotspot{-lineWidth / 2, -lineWidth / 2};
    for (auto _ : state)
        penLine(*document->image(), *pen, hotspot, {lineWidth, lineWidth}, {lineWidth + lineLength - 1, lineWidth},
                document->drawingColor(), nullptr);
    delete document;
}
BENCHMARK(BM_LineStamp)->ArgName("rgb")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The line as the line tool draws it on release, its undo copy included.
void BM_Line(benchmark::State& state)
{
    bool fullColor = state.range(0) != 0;
    BitmapDocument* document = newPicture({lineLength + 2 * lineWidth, 3 * lineWidth}, fullColor);
    for (auto _ : state)
        drawStraightLine(*document, {lineWidth, lineWidth}, {lineWidth + lineLength - 1, lineWidth}, lineWidth);
    delete document;
}
BENCHMARK(BM_Line)->ArgName("rgb")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A stroke of 1000 dots zigzagging through the top-left 200 x 200 dots of the picture, shown in an
// edit view that repaints what the stroke damaged.
void BM_PencilStroke(benchmark::State& state)
{
    int32_t side = int32_t(state.range(0));
    BitmapDocument* document = newPicture({side, side}, state.range(1) != 0);
    ToolBox tools;
    auto* view = new EditView(nullptr, tools);
    view->setModel(document);
    view->place(Rect::fromSize({0, 0}, {256, 256}));
    view->show();
    Application::processEvents(50);
    view->setZoom(1, {side / 2, side / 2});
    view->scrollTo({0, 0});
    for (auto _ : state) {
        PencilStroke stroke(*document, 4);
        stroke.press({10, 10});
        for (int32_t i = 1; i <= 5; ++i)
            stroke.moveTo({i % 2 ? 190 : 10, 10 + 36 * i});
        view->updateNow();
    }
    view->destroy();
}
BENCHMARK(BM_PencilStroke)
    ->ArgsProduct({{256, 10000}, {0, 1}})
    ->ArgNames({"side", "rgb"})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runWithRatios(argc, argv, [](RecordingReporter& reporter) {
        std::printf("\ndepth  line vs memset (target <= 3)  its painting vs memset  stroke 10000/256 (target "
                    "<= 1.2)\n");
        for (int rgb : {0, 1}) {
            auto time = [&](const std::string& name) { return reporter.times[name]; };
            std::string depth = "/rgb:" + std::to_string(rgb);
            double line = time("BM_Line" + depth), stamp = time("BM_LineStamp" + depth);
            double memset = time("BM_Memset" + depth);
            double small = time("BM_PencilStroke/side:256" + depth), huge = time("BM_PencilStroke/side:10000" + depth);
            if (line > 0 && memset > 0 && small > 0)
                std::printf("%5s  %29.2f  %22.2f  %32.2f\n", rgb ? "24" : "8", line / memset, stamp / memset,
                            huge / small);
        }
    });
}
