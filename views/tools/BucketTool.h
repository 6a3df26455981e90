#pragma once

#include "views/tools/Tool.h"

// Fills the 4-connected area of the colour under a press with the drawing colour, inside the
// selection when there is one; Shift fills an indexed picture up to its border colours instead. A
// press outside the picture or the selection beeps. Its command again, on an indexed picture,
// opens the border colours, which may be picked from the picture meanwhile.
class BucketTool : public Tool {
public:
    using Tool::Tool;

    std::string pointer(const ToolKeys& keys) const override;
    void press(const Visual::MouseEvent& event) override;
    bool openOptions() override;
};
