#pragma once

#include "pixels/Region.h"
#include "views/tools/BandSelectionTool.h"

// Selects the rectangle of a rubber band.
class RectTool : public BandSelectionTool {
public:
    using BandSelectionTool::BandSelectionTool;

protected:
    void shape(Region& region, const Rect& band) const override { region.setRect(band); }
};
