#pragma once

#include "views/tools/TransformMode.h"

// Scaling with the mouse: the selection's rectangle with handles on its corners and sides, whose
// held edges follow the pointer from the opposite ones (about the centre with Ctrl, keeping the
// sides' ratio with Shift); a press inside it scales the selection into it, mirrored on the axes
// dragged past their anchors.
class ScalingMode : public TransformMode {
public:
    explicit ScalingMode(ToolEnvironment& environment)
        : TransformMode(environment, AdjustableFrame::Handles::cornersAndSides)
    {
    }

    InformationDisplay::Subs informationSubs() const override
    {
        return InformationDisplay::bit(InformationDisplay::scale);
    }
    void reportInformation(InformationDisplay& information, std::optional<Point>) override;

protected:
    void fitFrame(const Rect& selection) override;
    bool inside(Point dot) const override;
    void dragHandle(FrameHandle handle, const Visual::MouseEvent& press) override;
    void apply() override;

private:
    // The selection's bounds the frame started from.
    Rect m_before;
};
