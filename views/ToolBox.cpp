#include "views/ToolBox.h"

#include "core/Aspects.h"

void ToolBox::setTool(int tool)
{
    if (tool == m_tool || tool < 0 || tool >= toolCount)
        return;
    m_tool = tool;
    changed(&aspects::Tilvaner::tool);
    changed(&aspects::ToolBox::toolSelection);
}

void ToolBox::setUnit(int unit)
{
    if (unit == m_unit || (unit != dot && unit != block))
        return;
    m_unit = unit;
    changed(&aspects::Tilvaner::unit);
    changed(&aspects::ToolBox::unitSelection);
}

void* ToolBox::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ToolBox::toolSelection)
        return offer<SelectionInterface>(&m_toolChoice);
    if (aspect == &aspects::ToolBox::unitSelection)
        return offer<SelectionInterface>(&m_unitChoice);
    return Model::valueFor(aspect);
}

ToolBox& ToolBox::current()
{
    static ToolBox toolBox;
    return toolBox;
}
