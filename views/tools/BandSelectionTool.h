#pragma once

#include "views/tools/RubberBand.h"
#include "views/tools/SelectionDrag.h"
#include "views/tools/Tool.h"

class Region;

// A tool that selects the shape of a rubber band: a press on the selection drags it, any other
// press on the picture drops the old selection and drags a band whose shape becomes the new one.
class BandSelectionTool : public Tool {
public:
    explicit BandSelectionTool(ToolEnvironment& environment)
        : Tool(environment), m_drag(environment), m_band(environment)
    {
    }

    std::string pointer(const ToolKeys& keys) const override
    {
        return m_drag.covers(keys.dot) ? "" : "CROSS_HAIR_CURS";
    }
    void press(const Visual::MouseEvent& event) override;
    void paintOver(GraphicsContext& gc) override;

protected:
    // The shape the band's rectangle of dots selects.
    virtual void shape(Region& region, const Rect& band) const = 0;

private:
    SelectionDrag m_drag;
    BandFeedback m_band;
};
