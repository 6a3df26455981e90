// libFuzzer entry: any bytes handed to the BMP reader must end in an image or a raised error code,
// never in a crash or a read outside the buffers.
#include "formats/BmpFormat.h"
#include "formats/ErrorFrame.h"
#include "framework/DIBImage.h"
#include "palette/PaletteModel.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/tilvaner-fuzz-" + std::to_string(getpid()) + ".bmp";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    static std::unique_ptr<ImageFormat> format = makeBmpFormat();
    PaletteModel palette;
    try {
        format->file.setFullPath(path);
        std::shared_ptr<DIBImage> image = format->readImage(palette);
        // Touch every row so that a wrong size or stride shows up under the sanitizer.
        volatile uint8_t sink = 0;
        for (int32_t y = 0; y < image->height(); ++y)
            sink = sink + image->row(y)[image->width() * image->depth() / 8 - 1];
    } catch (...) {
        (void)currentError();
    }
    return 0;
}
