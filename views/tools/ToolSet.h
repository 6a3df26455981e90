#pragma once

#include "views/tools/Tool.h"

#include <array>
#include <memory>

class DrawTool;
class EyedropperTool;
class HandTool;
class ZoomTool;

// One of each tool of the tool box for one edit view, in the tool box's order. The tools keep
// their own state (a stroke's end, a pen, a square) for the life of the view.
class ToolSet {
public:
    static constexpr int count = 12;

    explicit ToolSet(ToolEnvironment& environment);
    ~ToolSet();

    Tool& at(int index) const { return *m_tools.at(size_t(index)); }
    // The tools that keys and the right button call up over any current tool.
    ZoomTool& zoom() const;
    HandTool& hand() const;
    EyedropperTool& eyedropper() const;
    DrawTool& draw() const;

private:
    std::array<std::unique_ptr<Tool>, count> m_tools;
};
