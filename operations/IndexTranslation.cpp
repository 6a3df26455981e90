#include "operations/IndexTranslation.h"

#include "pixels/DIBImage.h"

void translateIndices(DIBImage& image, const std::array<uint8_t, 256>& table)
{
    for (int32_t y = 0; y < image.height(); ++y) {
        uint8_t* row = image.row(y);
        for (int32_t x = 0; x < image.width(); ++x)
            row[x] = table[row[x]];
    }
}
