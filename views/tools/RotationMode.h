#pragma once

#include "views/tools/TransformMode.h"

#include <memory>

struct SelectionRecord;

// Rotating with the mouse: the selection's rectangle with a handle on each corner turns about its
// centre after the corner dragged, and a press inside it turns the selection as far. Every turn
// after the first starts again from the selection as the first one found it, so repeated turns
// never resample a resampled image.
class RotationMode : public TransformMode {
public:
    explicit RotationMode(ToolEnvironment& environment) : TransformMode(environment, AdjustableFrame::Handles::corners)
    {
    }

    InformationDisplay::Subs informationSubs() const override
    {
        return InformationDisplay::bit(InformationDisplay::rotation);
    }
    void reportInformation(InformationDisplay& information, std::optional<Point>) override;

protected:
    void fitFrame(const Rect& selection) override;
    bool inside(Point dot) const override;
    void dragHandle(FrameHandle handle, const Visual::MouseEvent& press) override;
    void apply() override;

private:
    // The selection before the first turn, and the turn it shows in now.
    std::shared_ptr<SelectionRecord> m_unturned;
    double m_applied = 0;
};
