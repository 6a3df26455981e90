#pragma once

#include "pixels/DIBImage.h"

// A 24-bit image of blue, green, red bytes. Pixels read back as RGB colours.
class TrueColorImage : public DIBImage {
public:
    TrueColorImage() : DIBImage(24) {}

    std::shared_ptr<DIBImage> newOfSameKind() const override;
    void fillColorTable(uint8_t*) const override {}
    int colorCount() const override { return 0; }
    ColorRef pixelAt(Point p) const override;
    void fillRun(uint8_t* buffer, ColorRef value, int count) const override;

protected:
    QImage sourceImage(const Rect& source) const override;
    QImage beginDrawing() override;
};
