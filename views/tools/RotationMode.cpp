#include "views/tools/RotationMode.h"

#include "document/SelectionRecord.h"
#include "document/SelectionTransforms.h"
#include "views/tools/ToolEnvironment.h"
#include "views/tools/TurnedRect.h"

void RotationMode::reportInformation(InformationDisplay& information, std::optional<Point>)
{
    information.showRotation(frame().turn());
}

void RotationMode::fitFrame(const Rect& selection)
{
    m_unturned.reset();
    m_applied = 0;
    editableFrame().set(selection);
    editableFrame().setTurn(0);
}

bool RotationMode::inside(Point dot) const
{
    return insideTurned(*frame().rect(), frame().turn(), dot);
}

void RotationMode::dragHandle(FrameHandle handle, const Visual::MouseEvent& press)
{
    auto rule = [this](FrameHandle corner, Point pixel) {
        return cornerTurn(environment().dotsToView(*frame().rect()), corner, pixel);
    };
    editableFrame().dragTurn(handle, press, rule, [this] {
        if (InformationDisplay* information = environment().information())
            information->showRotation(frame().turn());
    });
}

void RotationMode::apply()
{
    double angle = frame().turn();
    if (angle == m_applied)
        return;
    if (!m_unturned)
        m_unturned = selectionTransforms::unturnedCopy(document());
    if (!m_unturned)
        return;
    selectionTransforms::rotateCopy(document(), *m_unturned, angle);
    m_applied = angle;
}
