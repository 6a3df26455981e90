#include "views/tools/ToolSet.h"

#include "views/ToolBox.h"
#include "views/tools/BucketTool.h"
#include "views/tools/CropTool.h"
#include "views/tools/DrawTool.h"
#include "views/tools/EllipseTool.h"
#include "views/tools/EyedropperTool.h"
#include "views/tools/HandTool.h"
#include "views/tools/InsideSelection.h"
#include "views/tools/LassoTool.h"
#include "views/tools/LineTool.h"
#include "views/tools/PencilTool.h"
#include "views/tools/PendingTool.h"
#include "views/tools/RectTool.h"
#include "views/tools/ToolEnvironment.h"
#include "views/tools/ZoomTool.h"

namespace {

PendingTool::PointerRule fixed(std::string pointer)
{
    return [pointer](const ToolEnvironment&, const ToolKeys&) { return pointer; };
}

// Over the selection a selecting tool shows the arrow: a press there moves the selection.
PendingTool::PointerRule selecting(PendingTool::PointerRule rule)
{
    return [rule](const ToolEnvironment& view, const ToolKeys& keys) {
        return insideSelection(view, keys.dot) ? std::string() : rule(view, keys);
    };
}

} // namespace

ToolSet::ToolSet(ToolEnvironment& environment)
    : m_tools{
          std::make_unique<RectTool>(environment),
          std::make_unique<EllipseTool>(environment),
          std::make_unique<LassoTool>(environment),
          std::make_unique<CropTool>(environment),
          std::make_unique<ZoomTool>(environment),
          std::make_unique<HandTool>(environment),
          std::make_unique<EyedropperTool>(environment),
          std::make_unique<PencilTool>(environment),
          std::make_unique<BucketTool>(environment),
          std::make_unique<DrawTool>(environment),
          std::make_unique<LineTool>(environment),
          std::make_unique<PendingTool>(environment, selecting(fixed("TEXT"))),
      }
{
    static_assert(count == ToolBox::toolCount);
}

ToolSet::~ToolSet() = default;

ZoomTool& ToolSet::zoom() const
{
    return static_cast<ZoomTool&>(at(ToolBox::zoom));
}

HandTool& ToolSet::hand() const
{
    return static_cast<HandTool&>(at(ToolBox::hand));
}

EyedropperTool& ToolSet::eyedropper() const
{
    return static_cast<EyedropperTool&>(at(ToolBox::eyedropper));
}

DrawTool& ToolSet::draw() const
{
    return static_cast<DrawTool&>(at(ToolBox::draw));
}
