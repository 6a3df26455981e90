#include "views/ToolBox.h"

#include "core/Aspects.h"

void ToolBox::setTool(int tool)
{
    if (tool == m_tool || tool < 0 || tool >= toolCount)
        return;
    m_tool = tool;
    changed(&aspects::Tilvaner::tool);
}

void ToolBox::setUnit(int unit)
{
    if (unit == m_unit || (unit != dot && unit != block))
        return;
    m_unit = unit;
    changed(&aspects::Tilvaner::unit);
}

ToolBox& ToolBox::current()
{
    static ToolBox toolBox;
    return toolBox;
}
