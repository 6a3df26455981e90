#pragma once

// Hands any bytes to a picture reader: the read must end in an image or a raised error code, never
// in a crash or a read outside the buffers.
#include "base/ErrorFrame.h"
#include "formats/ImageFormat.h"
#include "framework/DIBImage.h"
#include "palette/PaletteModel.h"

#include <cstdio>
#include <string>
#include <unistd.h>

inline void fuzzRead(ImageFormat& format, const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/tilvaner-fuzz-" + std::to_string(getpid());
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    PaletteModel palette;
    try {
        format.file.setFullPath(path);
        std::shared_ptr<DIBImage> image = format.readImage(palette);
        // Touch the last byte of every row so that a wrong size or stride shows under the sanitizer.
        volatile uint8_t sink = 0;
        for (int32_t y = 0; y < image->height(); ++y)
            sink = sink + image->row(y)[std::abs(image->stride()) - 1];
    } catch (...) {
        (void)currentError();
    }
}
