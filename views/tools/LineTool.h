#pragma once

#include "views/tools/Tool.h"

// Straight lines of a square pen: the press fixes the start on the unit grid, the end follows the
// pointer in whole units (in eight directions with Shift) while a thin line shows where it goes,
// and the release draws it.
class LineTool : public Tool {
public:
    using Tool::Tool;

    std::string pointer(const ToolKeys&) const override { return "CROSS_HAIR_CURS"; }
    void press(const Visual::MouseEvent& event) override;
    void paintOver(GraphicsContext& gc) override;
    bool openOptions() override;

    int32_t width() const { return m_width; }
    void setWidth(int32_t width) { m_width = width; }

    // The start for a press at dot: the nearest unit multiple, halves away from zero.
    static Point startFor(Point dot, Point unit);
    // The end for the pointer at dot: whole units from start, and with Shift one of eight directions.
    static Point endFor(Point start, Point dot, Point unit, bool shift);

private:
    friend class LineTracker;

    // The window pixels the feedback of the line from start to end covers.
    Rect feedbackArea() const;
    void showFeedback(std::optional<std::pair<Point, Point>> line);

    int32_t m_width = 1;
    std::optional<std::pair<Point, Point>> m_feedback;
};
