#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

class BitmapDocument;

// What the information panel reads of one document: the dot it shows as (0, 0), whether y grows
// upwards, and how many bits per channel its colours are shown with.
class InformationPlug {
public:
    static constexpr int32_t maxOffset = 9999;

    InformationPlug(BitmapDocument& document, Point offset, bool yUp);

    Point offset() const { return m_offset; }
    bool yUp() const { return m_yUp; }
    // Takes the offset, each coordinate held in 0 ... maxOffset, and the direction. A change marks
    // the document modified and is announced as InformationPlug::access; the same values do nothing.
    void setOffset(Point offset, bool yUp);

    // The palette's precision, 8 without a palette.
    int channelBits() const;
    // The coordinates dot is shown with.
    Point displayed(Point dot) const;
    // The RGB colour of a colour value: a palette-index reference is looked up in the palette.
    ColorRef rgbOf(ColorRef color) const;

private:
    BitmapDocument& m_document;
    Point m_offset;
    bool m_yUp;
};
