// BMP and TIFF read and write of 10000 x 10000 pictures. Read each figure against
// BM_FileCopyReference, which reads and writes the same number of bytes of a BMP file in the same
// run. Arguments: format (0 BMP, 1 TIFF) and depth. BM_ReplacingWrite/1/N, a durable replacing
// write of N MB, is read against BM_ReplacingWrite/0/N, the same write, close and rename unsynced.
#include "base/FilePath.h"
#include "formats/FormatTable.h"
#include "formats/ReplacingWrite.h"
#include "palette/PaletteModel.h"
#include "pixels/IndexedImage.h"
#include "pixels/TrueColorImage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int32_t side = 10000;

std::string pathFor(int format, int depth)
{
    return "/tmp/tilvaner-bench-" + std::to_string(getpid()) + "-" + std::to_string(depth) + "." +
           std::string(imageFormats()[size_t(format)]->extension());
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

// Writes the picture file once per format and depth, for the readers.
const std::string& fileFor(int format, int depth)
{
    static std::string paths[2][2];
    std::string& path = paths[format][depth == 8 ? 0 : 1];
    if (path.empty()) {
        PaletteModel palette;
        palette.reset();
        ImageFormat& writer = *imageFormats()[size_t(format)];
        writer.file.setFullPath(pathFor(format, depth));
        writer.writeImage(*makeImage(depth, palette), palette);
        path = pathFor(format, depth);
        std::atexit([] {
            for (int f : {0, 1})
                for (int d : {8, 24})
                    std::remove(pathFor(f, d).c_str());
        });
    }
    return path;
}

void BM_FileCopyReference(benchmark::State& state)
{
    const std::string& from = fileFor(0, int(state.range(0)));
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

void BM_Read(benchmark::State& state)
{
    int format = int(state.range(0)), depth = int(state.range(1));
    ImageFormat& reader = *imageFormats()[size_t(format)];
    reader.file.setFullPath(fileFor(format, depth));
    for (auto _ : state) {
        PaletteModel palette;
        benchmark::DoNotOptimize(reader.readImage(palette));
    }
}
BENCHMARK(BM_Read)->ArgsProduct({{0, 1}, {8, 24}})->Unit(benchmark::kMillisecond);

void BM_Write(benchmark::State& state)
{
    int format = int(state.range(0)), depth = int(state.range(1));
    PaletteModel palette;
    palette.reset();
    auto image = makeImage(depth, palette);
    ImageFormat& writer = *imageFormats()[size_t(format)];
    writer.file.setFullPath(pathFor(format, depth) + ".out");
    for (auto _ : state)
        writer.writeImage(*image, palette);
    std::remove(writer.file.path().c_str());
}
BENCHMARK(BM_Write)->ArgsProduct({{0, 1}, {8, 24}})->Unit(benchmark::kMillisecond);

// A replacing write of 100 MB (argument 1), against the same write and rename without its two syncs
// (argument 0). Wall time: the syncs wait for the disk, not the processor.
void BM_ReplacingWrite(benchmark::State& state)
{
    std::vector<char> bytes(size_t(state.range(1)) << 20, 'x');
    FilePath target;
    target.setFullPath(pathFor(0, 0) + ".replaced");
    auto fill = [&](FilePath& file) {
        file.createForWrite();
        file.write(bytes.data(), bytes.size());
    };
    for (auto _ : state) {
        if (state.range(0)) {
            writeReplacing(target, fill);
        } else {
            FilePath temporary;
            temporary.setFullPath(target.path() + ".tmp");
            fill(temporary);
            temporary.close();
            std::rename(temporary.path().c_str(), target.path().c_str());
        }
    }
    std::remove(target.path().c_str());
}
BENCHMARK(BM_ReplacingWrite)->ArgsProduct({{0, 1}, {100, 300}})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
