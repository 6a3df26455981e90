#include "panels/PalettePanel.h"

#include "core/Aspects.h"
#include "document/BitmapPalette.h"
#include "framework/DialogPage.h"
#include "framework/FloatingPanel.h"
#include "panels/ColorStrip.h"
#include "panels/PaletteFlasher.h"
#include "panels/PenMatrix.h"
#include "panels/ToggleButtonsPlug.h"
#include "resources/Bitmaps.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"

#include <vector>

namespace {

constexpr const char* slimPanel = "PALETTE_SLIM_PANEL";
constexpr const char* widePanel = "PALETTE_WIDE_PANEL";
constexpr int firstStripId = 100;
constexpr int colorStripId = 101;
constexpr int matrixId = 100;
constexpr int margin = 2;

} // namespace

PalettePanel::PalettePanel(MDIWorkSpace& frame) : m_panel(new FloatingPanel(frame, slimPanel))
{
    m_panelAlive.follow(m_panel);
    showLayout(false);
}

PalettePanel::~PalettePanel()
{
    // The components draw from the pen palette, which goes with this object.
    if (m_panelAlive.model())
        m_panel->destroy();
}

void PalettePanel::setModel(BitmapDocument* document)
{
    m_pen.setDocument(document);
}

bool PalettePanel::command(uint32_t id, Window*)
{
    if (id != commands::paletteLayout)
        return false;
    showLayout(!m_wide);
    return true;
}

void PalettePanel::showLayout(bool wide)
{
    if (wide != m_wide || !m_panel->page())
        m_panel->showPage(wide ? widePanel : slimPanel);
    m_wide = wide;
    DialogPage& page = *m_panel->page();
    // The panel may be showing already, and a child made now would stay hidden.
    auto blinkFrom = [this](CellGrid& cells, bool wholeRow) {
        cells.followPresses(
            [this, &cells, wholeRow](int, const Visual::MouseEvent& press) { blink(cells, press, wholeRow); });
        cells.show();
    };
    if (wide) {
        blinkFrom(page.host<PenMatrix>(matrixId, m_pen), false);
    } else {
        blinkFrom(page.host<ToggleButtonsPlug>(firstStripId, m_pen, aspects::PenPalette::paletteSelection,
                                               bitmaps::paletteButtons, Point{16, 1}),
                  true);
        blinkFrom(page.host<ColorStrip>(colorStripId, m_pen), false);
    }
    m_panel->fitToContent(margin);
    if (const MenuItem* menu = findMenu(wide ? "WIDE_PALETTE_MENU" : "SLIM_PALETTE_MENU"))
        m_panel->setMenu(*menu, *this, commands::paletteLayout);
}

void PalettePanel::blink(Visual::Component& on, const Visual::MouseEvent& press, bool wholeRow)
{
    int entry = m_pen.drawingEntry();
    if (press.shift || entry < 0)
        return;
    std::vector<int> entries{entry};
    if (wholeRow) {
        entries.clear();
        for (int i = entry | 0x0F; i >= (entry & 0xF0); --i)
            entries.push_back(i);
    }
    PaletteFlasher::hold(on, press, m_pen.palette(), entries, PaletteFlasher::Hold::anyButton, {}, &m_pen);
}
