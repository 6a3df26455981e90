#pragma once

#include "core/Model.h"

// The tool and the unit that every edit view works with; the tool box panel shows them and the
// tool commands change them. Changes reach the followers as Tilvaner::tool and Tilvaner::unit.
class ToolBox : public Model {
public:
    enum Tool { rect, ellipse, lasso, crop, zoom, hand, eyedropper, pencil, bucket, draw, line, text, toolCount };
    enum Unit { dot, block };

    int tool() const { return m_tool; }
    void setTool(int tool);
    int unit() const { return m_unit; }
    void setUnit(int unit);

    // The tool box of the running program.
    static ToolBox& current();

private:
    int m_tool = pencil;
    int m_unit = dot;
};
