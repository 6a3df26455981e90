#pragma once

#include "views/tools/Tool.h"

// Picks the colour under the pointer into the drawing colour (the background colour with Shift), on
// the press and at every new dot while the button is held; a dialog's picker target takes the
// colours instead while it listens. The information panel shows the colour during the gesture.
class EyedropperTool : public Tool {
public:
    using Tool::Tool;

    std::string pointer(const ToolKeys& keys) const override;
    void press(const Visual::MouseEvent& event) override { pick(event, false); }
    InformationDisplay::Subs informationSubs() const override
    {
        return InformationDisplay::bit(InformationDisplay::color);
    }
    void reportInformation(InformationDisplay& information, std::optional<Point> dot) override;

    // A picking gesture from a press of the left or the right button; the right button always picks
    // for the document.
    void pick(const Visual::MouseEvent& event, bool rightButton);
};
