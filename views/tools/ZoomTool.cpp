#include "views/tools/ZoomTool.h"

#include "views/ZoomSteps.h"
#include "views/tools/ToolEnvironment.h"

namespace {

int32_t nextZoom(int32_t zoom, bool out)
{
    const ZoomSteps& steps = ZoomSteps::mainSteps();
    return out ? steps.nextLower(zoom) : steps.nextHigher(zoom);
}

} // namespace

std::string ZoomTool::pointer(const ToolKeys& keys) const
{
    int32_t zoom = environment().zoom();
    if (nextZoom(zoom, keys.shift) == zoom)
        return "ZOOM_LIMIT_CURS";
    return keys.shift ? "ZOOM_OUT_CURS" : "ZOOM_IN_CURS";
}

void ZoomTool::press(const Visual::MouseEvent& event)
{
    zoomAt(environment().viewToDot(event.at), event.shift);
}

void ZoomTool::zoomAt(Point dot, bool out)
{
    ToolEnvironment& view = environment();
    if (!view.imageBounds().contains(dot))
        return;
    int32_t next = nextZoom(view.zoom(), out);
    if (next != view.zoom())
        view.setZoom(next, dot);
}
