#pragma once

#include "pixels/DIBImage.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

// The figure the image benches weigh theirs against: a memcpy of the bytes of a side x side
// picture of depth state.range(0), measured in the same run.
inline void copyReference(benchmark::State& state, int32_t side)
{
    size_t bytes = size_t(side) * size_t(DIBImage::rowLength(int(state.range(0)), side));
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
