#include "operations/InnerBorder.h"

#include "pixels/MaskImage.h"

#include <cstdint>
#include <vector>

// Row by row in whole bytes: a dot is inside when it and its four neighbours are set, and the
// border is the set dots that are not inside. Bit 7 is the leftmost dot of a byte.
std::shared_ptr<MaskImage> innerBorder(const MaskImage& mask)
{
    const int32_t width = mask.width(), height = mask.height();
    const size_t bytes = size_t(width + 7) / 8;
    std::shared_ptr<MaskImage> border = MaskImage::newMask(mask.extent());
    border->clear(false);
    const std::vector<uint8_t> none(bytes, 0);
    auto rowOf = [&](int32_t y) { return y >= 0 && y < height ? mask.row(y) : none.data(); };
    // The last byte's bits past the width are 0 in the source and must stay so in the result.
    const uint8_t lastBits = uint8_t(0xFF << ((8 - width % 8) % 8));
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* above = rowOf(y - 1);
        const uint8_t* here = mask.row(y);
        const uint8_t* below = rowOf(y + 1);
        uint8_t* out = border->row(y);
        for (size_t i = 0; i < bytes; ++i) {
            uint8_t previous = i > 0 ? here[i - 1] : 0, next = i + 1 < bytes ? here[i + 1] : 0;
            uint8_t leftSet = uint8_t((here[i] >> 1) | (previous << 7));
            uint8_t rightSet = uint8_t((here[i] << 1) | (next >> 7));
            uint8_t inside = here[i] & above[i] & below[i] & leftSet & rightSet;
            out[i] = here[i] & uint8_t(~inside);
        }
        out[bytes - 1] &= lastBits;
    }
    return border;
}
