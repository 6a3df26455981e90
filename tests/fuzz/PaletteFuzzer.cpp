// Hands any bytes to the palette-file reader: at most 256 whole colour triplets, read in order.
#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/PaletteFile.h"
#include "tests/fuzz/MemoryFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static MemoryFile input;
    input.fill(data, size);
    try {
        FilePath file;
        file.setFullPath(input.path());
        file.openForRead();
        std::vector<ColorRef> colors = paletteFile::read(file);
        if (colors.size() != std::min<size_t>(size / 3, paletteFile::maxEntries))
            std::abort();
        for (size_t i = 0; i < colors.size(); ++i) {
            if (colors[i] != rgb(data[3 * i], data[3 * i + 1], data[3 * i + 2]))
                std::abort();
        }
    } catch (...) {
        (void)currentError();
    }
    return 0;
}
