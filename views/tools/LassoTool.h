#pragma once

#include "views/tools/LassoPath.h"
#include "views/tools/SelectionDrag.h"
#include "views/tools/Tool.h"

// Selects the inside of a path drawn with the pointer through the dot-grid corners, along unit
// edges in a unit larger than a dot; a press on the selection drags it instead.
class LassoTool : public Tool {
public:
    explicit LassoTool(ToolEnvironment& environment) : Tool(environment), m_drag(environment), m_path(environment) {}

    std::string pointer(const ToolKeys& keys) const override;
    void press(const Visual::MouseEvent& event) override;
    void paintOver(GraphicsContext& gc) override;

private:
    SelectionDrag m_drag;
    LassoFeedback m_path;
};
