#pragma once

#include "views/tools/Tool.h"

// Freehand drawing with a pen shape: a press stamps the pen, moves draw lines between the dots
// the pointer reaches, Shift locks a stroke to the axis of its first move, and Shift + press joins
// the new stroke to where the last one ended.
class PencilTool : public Tool {
public:
    using Tool::Tool;

    std::string pointer(const ToolKeys&) const override;
    void press(const Visual::MouseEvent& event) override;
    bool openOptions() override;
    void deactivate() override { m_lastEnd.reset(); }

    // The pen shape, 0 for the first pen resource.
    int penIndex() const { return m_penIndex; }
    void setPenIndex(int index) { m_penIndex = index; }
    std::optional<Point> lastEnd() const { return m_lastEnd; }

private:
    friend class PencilTracker;

    int m_penIndex = 0;
    std::optional<Point> m_lastEnd;
};
