#pragma once

#include "pixels/Region.h"
#include "views/tools/BandSelectionTool.h"

// Selects the ellipse inside a rubber band's rectangle.
class EllipseTool : public BandSelectionTool {
public:
    using BandSelectionTool::BandSelectionTool;

protected:
    void shape(Region& region, const Rect& band) const override { region.setEllipse(band); }
};
