#pragma once

#include "views/tools/Tool.h"

// Zooms in at the pressed dot, out with Shift, along the main zoom list; nothing at its ends.
class ZoomTool : public Tool {
public:
    using Tool::Tool;

    std::string pointer(const ToolKeys& keys) const override;
    void press(const Visual::MouseEvent& event) override;
    void zoomAt(Point dot, bool out);
};
