#pragma once

#include "pixels/DIBImage.h"

#include <array>

class LogicalPalette;

// An 8-bit image: each byte is an index into its palette. Pixels read back as palette-index
// references.
class IndexedImage : public DIBImage {
public:
    explicit IndexedImage(std::shared_ptr<LogicalPalette> palette = nullptr);

    std::shared_ptr<DIBImage> newOfSameKind() const override;
    void fillColorTable(uint8_t* table) const override;
    int colorCount() const override;
    ColorRef pixelAt(Point p) const override;
    void fillRun(uint8_t* buffer, ColorRef value, int count) const override;

    // Replaces the palette and rebuilds the colour table from it; call it again after the palette's
    // entries change.
    void setPalette(std::shared_ptr<LogicalPalette> palette);
    const std::shared_ptr<LogicalPalette>& palette() const { return m_palette; }

protected:
    QImage sourceImage(const Rect& source) const override;
    QImage beginDrawing() override;

private:
    std::shared_ptr<LogicalPalette> m_palette;
    // Colours as 0xAARRGGBB for the Qt images the pixels are drawn from; black beyond the palette.
    std::array<uint32_t, 256> m_colorTable{};
};
