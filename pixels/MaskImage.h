#pragma once

#include "pixels/DIBImage.h"

#include <utility>
#include <vector>

// A 1-bit image: bit 7 of a byte is its leftmost dot. 1 is white, 0 black; as a selection, 1 means
// selected. Memory runs bottom row first, as in the bitmaps masks are loaded from.
class MaskImage : public DIBImage {
public:
    MaskImage() : DIBImage(1) {}

    // A new mask of that size; set its contents with clear.
    static std::shared_ptr<MaskImage> newMask(Point size);
    // A mask with the size and dots of a 1-bit bitmap resource; raises 1 for any other depth and
    // for an id without a bitmap.
    static std::shared_ptr<MaskImage> maskFromResource(int id);

    std::shared_ptr<DIBImage> newOfSameKind() const override;
    void fillColorTable(uint8_t* table) const override;
    int colorCount() const override { return 2; }
    // The colour of the dot's table entry: black or white.
    ColorRef pixelAt(Point p) const override;
    // Sets the first count bits of buffer to the low bit of value.
    void fillRun(uint8_t* buffer, ColorRef value, int count) const override;

    bool isSet(Point p) const { return (row(p.y)[p.x >> 3] & (0x80 >> (p.x & 7))) != 0; }
    // The 32 dots of word w of a row's bytes, the leftmost dot in the top bit. Rows are padded to
    // whole 32-bit words, so every word read lies inside its row.
    static uint32_t wordAt(const uint8_t* row, int32_t w)
    {
        const uint8_t* b = row + 4 * w;
        return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
    }
    // The runs of 1 bits of row y, as [x0, x1) pairs from left to right.
    using Runs = std::vector<std::pair<int32_t, int32_t>>;
    void rowRuns(int32_t y, Runs& runs) const;
    // Sets the dots [x0, x1) of row y to 1.
    void setRun(int32_t y, int32_t x0, int32_t x1);

protected:
    bool bottomUp() const override { return true; }
    QImage sourceImage(const Rect& source) const override;
    QImage beginDrawing() override;
    void endDrawing(const QImage& painted) override;
};
