#include "app/ToolBoxPanel.h"

#include "app/ColorIndicator.h"
#include "app/ToneIndicator.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "framework/DialogPage.h"
#include "framework/FloatingPanel.h"
#include "framework/MDIWorkSpace.h"
#include "panels/ToggleButtonsPlug.h"
#include "resources/Bitmaps.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "views/ToolBox.h"

#include <algorithm>

namespace {

constexpr int unitBank = 100;
constexpr int toolBank = 101;
constexpr int colorSquare = 102;
constexpr int toneStrip = 103;
constexpr int margin = 2;
constexpr int gap = 2;

} // namespace

ToolBoxPanel::ToolBoxPanel(MDIWorkSpace& frame) : m_panel(new FloatingPanel(frame, "TOOLBOX_PANEL"))
{
    DialogPage& page = *m_panel->page();
    ToolBox& tools = ToolBox::current();
    m_units = &page.host<ToggleButtonsPlug>(unitBank, tools, aspects::ToolBox::unitSelection, bitmaps::unitButtons,
                                            Point{2, 1});
    m_units->setMenu(*findMenu("UNIT_MENU"), [this](uint32_t id) { command(id, nullptr); });
    m_tools = &page.host<ToggleButtonsPlug>(toolBank, tools, aspects::ToolBox::toolSelection, bitmaps::toolButtons,
                                            Point{2, 6});
    m_tools->setMenu(*findMenu("TOOL_MENU"), [&frame](uint32_t id) { frame.postCommand(id); });
    m_color = &page.host<ColorIndicator>(colorSquare);
    m_tone = &page.host<ToneIndicator>(toneStrip);
    m_panelAlive.follow(m_panel);
    layOut();
}

ToolBoxPanel::~ToolBoxPanel()
{
    if (m_panelAlive.model())
        m_panel->destroy();
}

void ToolBoxPanel::layOut()
{
    DialogPage& page = *m_panel->page();
    Point units = m_units->geometry().extent();
    Point tools = m_tools->geometry().extent();
    int width = std::max(units.x, tools.x);
    int top = margin;
    auto stack = [&](int id, Point size) {
        page.control(id)->place(Rect::fromSize({margin, top}, size));
        top += size.y + gap;
    };
    stack(unitBank, units);
    stack(toolBank, tools);
    stack(colorSquare, {width, width});
    stack(toneStrip, {width, width / 4});
    m_panel->fitToContent(margin);
}

void ToolBoxPanel::setModel(BitmapDocument* document)
{
    // Once the frame has destroyed the window, the indicators have gone with it.
    if (!m_panelAlive.model())
        return;
    m_color->setModel(document);
    m_tone->setModel(document);
}

bool ToolBoxPanel::command(uint32_t id, Window*)
{
    if (id != commands::dotUnit && id != commands::blockUnit)
        return false;
    ToolBox::current().setUnit(id == commands::dotUnit ? ToolBox::dot : ToolBox::block);
    return true;
}
