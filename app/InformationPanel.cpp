#include "app/InformationPanel.h"

#include "app/InformationReadout.h"
#include "app/InformationSubPanel.h"
#include "dialogs/InformationOffsetDialog.h"
#include "document/BitmapDocument.h"
#include "framework/FloatingPanel.h"
#include "framework/MenuState.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "resources/Menus.h"
#include "views/EditView.h"

#include <algorithm>

namespace {

// The sub-panels' templates, in index order.
constexpr const char* subTemplates[InformationDisplay::subCount] = {
    "INFO_POSITION_PAGE", "INFO_SELECTION_PAGE", "INFO_ROTATION_PAGE",
    "INFO_SCALE_PAGE",    "INFO_CURSOR_PAGE",    "INFO_COLOR_PAGE",
};

} // namespace

InformationPanel::InformationPanel(MDIWorkSpace& workspace) : m_panel(new FloatingPanel(workspace, "INFO_PANEL"))
{
    for (int i = 0; i < subCount; ++i)
        m_subs[size_t(i)] = new InformationSubPanel(m_panel->client(), *findDialogTemplate(subTemplates[i]));
    m_watch.setModel(m_panel);
    if (const MenuItem* menu = findMenu("INFO_MENU"))
        m_panel->setMenu(*menu, *this);
    rebind(nullptr);
}

InformationPanel::~InformationPanel()
{
    if (m_view)
        m_view->setInformation(nullptr);
    m_watch.setModel(nullptr);
}

void InformationPanel::PanelWatch::modelReleased()
{
    Dependent::modelReleased();
    m_owner.m_panel = nullptr;
    m_owner.m_subs.fill(nullptr);
}

BitmapDocument* InformationPanel::document() const
{
    return m_view ? m_view->document() : nullptr;
}

bool InformationPanel::isSubShown(Sub sub) const
{
    return m_panel && !m_subs[size_t(sub)]->isParked();
}

bool InformationPanel::writable(Sub sub) const
{
    return isSubShown(sub) && document();
}

void InformationPanel::showSub(Sub sub)
{
    if (!m_panel || isSubShown(sub))
        return;
    // Anywhere but the parking place; the layout puts it where it belongs.
    m_subs[size_t(sub)]->moveTo({});
    m_subs[size_t(sub)]->clearFields();
    layOut();
}

void InformationPanel::hideSub(Sub sub)
{
    if (!isSubShown(sub))
        return;
    m_subs[size_t(sub)]->moveTo(InformationSubPanel::parked);
    layOut();
}

void InformationPanel::hideAll()
{
    if (!m_panel)
        return;
    for (InformationSubPanel* sub : m_subs)
        sub->moveTo(InformationSubPanel::parked);
    layOut();
}

void InformationPanel::layOut()
{
    // Each one pixel below the one above, their left edges just outside the panel.
    Point extent;
    for (InformationSubPanel* sub : m_subs) {
        if (sub->isParked())
            continue;
        sub->moveTo({-1, extent.y});
        extent = {std::max(extent.x, sub->extent().x), extent.y + sub->extent().y + 1};
    }
    m_panel->setClientSize(extent);
}

void InformationPanel::rebind(EditView* view)
{
    EditView* old = std::exchange(m_view, view);
    if (old && old != view)
        old->setInformation(nullptr);
    hideAll();
    showSub(position);
    if (view)
        view->setInformation(this);
}

void InformationPanel::showPosition(Point dot)
{
    if (writable(position))
        sub(position).setFields(readout::position(document()->information().displayed(dot)));
}

void InformationPanel::showSelection(Point origin, Point size)
{
    if (writable(selection))
        sub(selection).setFields(readout::selection(document()->information().displayed(origin), size));
}

void InformationPanel::showRotation(double radians)
{
    if (writable(rotation))
        sub(rotation).setFields(readout::rotation(radians));
}

void InformationPanel::showScale(const Rect& before, const Rect& after)
{
    if (writable(scale))
        sub(scale).setFields(readout::scale(before, after));
}

void InformationPanel::showFootprint(Point dot)
{
    if (writable(footprint))
        sub(footprint).setFields(readout::position(document()->information().displayed(dot)));
}

void InformationPanel::showColor(ColorRef color)
{
    if (!writable(InformationDisplay::color))
        return;
    const InformationPlug& plug = document()->information();
    sub(InformationDisplay::color).setFields(readout::color(plug.rgbOf(color), plug.channelBits()));
}

bool InformationPanel::command(uint32_t id, Window*)
{
    if (id != commands::informationOptions)
        return false;
    if (BitmapDocument* shown = document())
        runInformationOffsetDialog(*shown);
    return true;
}

void InformationPanel::menuOpening(MenuState& popup)
{
    popup.enable(commands::informationOptions, document() != nullptr);
}
