#pragma once

#include "views/DirectionKeys.h"
#include "views/tools/DrawFootprint.h"
#include "views/tools/Tool.h"

// The keyboard-driven block stamp: a square of s x s dots that the direction keys move by s (8 s
// with Shift, a mesh cell with Ctrl), Tab picks up under and Z stamps back; a press moves it, and
// Home makes its dot the (0, 0) of the information panel.
class DrawTool : public Tool {
public:
    explicit DrawTool(ToolEnvironment& environment);

    std::string pointer(const ToolKeys&) const override { return ""; }
    void press(const Visual::MouseEvent& event) override;
    bool key(const Visual::KeyEvent& event) override;
    bool command(uint32_t id) override;
    void paintOver(GraphicsContext& gc) override;
    void activate() override;
    void deactivate() override;
    InformationDisplay::Subs informationSubs() const override
    {
        return InformationDisplay::bit(InformationDisplay::footprint) |
               InformationDisplay::bit(InformationDisplay::color);
    }
    void reportInformation(InformationDisplay& information, std::optional<Point> dot) override;

    // A new size of square, s x s dots, snapped down to a multiple of s; the held pattern goes.
    void setSize(int32_t size);
    // The square while the tool is current.
    const std::optional<DrawFootprint>& footprint() const { return m_footprint; }

private:
    void moveBy(Point direction, const Visual::KeyEvent& trigger);
    void place(Point position);
    void stamp();
    void invalidateSquare();

    DirectionKeys m_directions;
    std::optional<DrawFootprint> m_footprint;
    bool m_editStarted = false;
    bool m_tabDown = false;
    bool m_zDown = false;
};
