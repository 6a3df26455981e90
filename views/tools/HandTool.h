#pragma once

#include "views/tools/Tool.h"

// Drags the picture: the dot grabbed stays under the pointer, and the picture never leaves the view
// entirely.
class HandTool : public Tool {
public:
    using Tool::Tool;

    std::string pointer(const ToolKeys&) const override { return "HAND_CURS"; }
    void press(const Visual::MouseEvent& event) override;
};
