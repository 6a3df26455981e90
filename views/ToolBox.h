#pragma once

#include "core/Model.h"
#include "core/ValueInterfaces.h"

// The tool and the unit that every edit view works with; the tool box panel shows them and the
// tool commands change them. Changes reach the views as Tilvaner::tool and Tilvaner::unit, and the
// tool box's buttons, which read and choose them through ToolBox::toolSelection and
// ToolBox::unitSelection, under those aspects.
class ToolBox : public Model {
public:
    enum Tool { rect, ellipse, lasso, crop, zoom, hand, eyedropper, pencil, bucket, draw, line, text, toolCount };
    enum Unit { dot, block };

    int tool() const { return m_tool; }
    void setTool(int tool);
    int unit() const { return m_unit; }
    void setUnit(int unit);

    void* valueFor(const Aspect* aspect) override;

    // The tool box of the running program.
    static ToolBox& current();

private:
    // One of the two values as a bank of buttons chooses it; Shift changes nothing.
    class Choice : public SelectionInterface {
    public:
        Choice(ToolBox& box, int (ToolBox::*get)() const, void (ToolBox::*set)(int))
            : m_box(box), m_get(get), m_set(set)
        {
        }
        int32_t selection() const override { return (m_box.*m_get)(); }
        void select(int32_t n, bool) override { (m_box.*m_set)(n); }

    private:
        ToolBox& m_box;
        int (ToolBox::*m_get)() const;
        void (ToolBox::*m_set)(int);
    };

    int m_tool = pencil;
    int m_unit = dot;
    Choice m_toolChoice{*this, &ToolBox::tool, &ToolBox::setTool};
    Choice m_unitChoice{*this, &ToolBox::unit, &ToolBox::setUnit};
};
