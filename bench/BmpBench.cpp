// BMP read and write of 10000 x 10000 pictures. Read each figure against BM_FileCopyReference, which
// reads and writes the same number of bytes through the same file calls in the same run.
#include "formats/BmpFormat.h"
#include "framework/IndexedImage.h"
#include "framework/TrueColorImage.h"
#include "palette/PaletteModel.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int32_t side = 10000;

std::string pathFor(int depth)
{
    return "/tmp/tilvaner-bench-" + std::to_string(getpid()) + "-" + std::to_string(depth) + ".bmp";
}

std::shared_ptr<DIBImage> makeImage(int depth, PaletteModel& palette)
{
    std::shared_ptr<DIBImage> image;
    if (depth == 8)
        image = std::make_shared<IndexedImage>(palette.platformPalette());
    else
        image = std::make_shared<TrueColorImage>();
    image->create({side, side});
    for (int32_t y = 0; y < side; ++y)
        for (int32_t i = 0; i < std::abs(image->stride()); ++i)
            image->row(y)[i] = uint8_t(i * 7 + y);
    return image;
}

// Writes the picture file once per depth, for the readers.
const std::string& fileFor(int depth)
{
    static std::string paths[2];
    std::string& path = paths[depth == 8 ? 0 : 1];
    if (path.empty()) {
        PaletteModel palette;
        palette.reset();
        auto format = makeBmpFormat();
        format->file.setFullPath(pathFor(depth));
        format->writeImage(*makeImage(depth, palette), palette);
        path = pathFor(depth);
        std::atexit([] {
            std::remove(pathFor(8).c_str());
            std::remove(pathFor(24).c_str());
        });
    }
    return path;
}

void BM_FileCopyReference(benchmark::State& state)
{
    const std::string& from = fileFor(int(state.range(0)));
    std::string to = from + ".copy";
    std::vector<char> buffer(size_t(DIBImage::rowLength(int(state.range(0)), side)));
    for (auto _ : state) {
        int in = open(from.c_str(), O_RDONLY), out = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ssize_t n;
        while ((n = read(in, buffer.data(), buffer.size())) > 0)
            benchmark::DoNotOptimize(write(out, buffer.data(), size_t(n)));
        close(in);
        close(out);
    }
    std::remove(to.c_str());
}
BENCHMARK(BM_FileCopyReference)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

void BM_BmpRead(benchmark::State& state)
{
    auto format = makeBmpFormat();
    format->file.setFullPath(fileFor(int(state.range(0))));
    for (auto _ : state) {
        PaletteModel palette;
        benchmark::DoNotOptimize(format->readImage(palette));
    }
}
BENCHMARK(BM_BmpRead)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

void BM_BmpWrite(benchmark::State& state)
{
    PaletteModel palette;
    palette.reset();
    auto image = makeImage(int(state.range(0)), palette);
    auto format = makeBmpFormat();
    format->file.setFullPath(pathFor(int(state.range(0))) + ".out");
    for (auto _ : state)
        format->writeImage(*image, palette);
    std::remove(format->file.path().c_str());
}
BENCHMARK(BM_BmpWrite)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

} // namespace
