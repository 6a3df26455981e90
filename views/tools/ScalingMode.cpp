#include "views/tools/ScalingMode.h"

#include "document/SelectionTransforms.h"
#include "views/tools/MirroredRect.h"
#include "views/tools/ScaledFrame.h"
#include "views/tools/ToolEnvironment.h"

void ScalingMode::reportInformation(InformationDisplay& information, std::optional<Point>)
{
    information.showScale(m_before, normalized(*frame().rect()));
}

void ScalingMode::fitFrame(const Rect& selection)
{
    m_before = selection;
    editableFrame().set(selection);
}

bool ScalingMode::inside(Point dot) const
{
    return normalized(*frame().rect()).contains(dot);
}

void ScalingMode::dragHandle(FrameHandle handle, const Visual::MouseEvent& press)
{
    auto rule = [](const Rect& start, FrameHandle held, Point corner, const Visual::MouseEvent& keys) {
        return scaledFrame(start, held, corner, keys.control, keys.shift);
    };
    editableFrame().drag(handle, press, rule, [this] {
        if (InformationDisplay* information = environment().information())
            reportInformation(*information, std::nullopt);
    });
}

void ScalingMode::apply()
{
    Rect target = *frame().rect();
    if (target == m_before)
        return;
    selectionTransforms::scaleTo(document(), {target.width(), target.height()}, normalized(target).topLeft());
    fitFrame(selectionBounds());
}
