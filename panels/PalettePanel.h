#pragma once

#include "framework/CommandTable.h"
#include "panels/ModelFollower.h"
#include "panels/PenPalette.h"

#include <cstdint>

class BitmapDocument;
class FloatingPanel;
class MDIWorkSpace;
namespace Visual {
class Component;
struct MouseEvent;
} // namespace Visual

// The palette panel, through which the drawing and background colours of the active document are
// chosen. It has two layouts in one window: the slim one (a strip of the 16 rows above a strip of
// the 16 colours of the drawing colour's row) and the wide one (all 256 colours). Its menu's
// command 1000, or the window's maximise button, swaps them in place; closing hides it. Holding a
// press on a colour blinks it in the picture.
class PalettePanel : public CommandInterface {
public:
    explicit PalettePanel(MDIWorkSpace& frame);
    ~PalettePanel();
    PalettePanel(const PalettePanel&) = delete;
    PalettePanel& operator=(const PalettePanel&) = delete;

    FloatingPanel& panel() const { return *m_panel; }
    // The document whose colours the panel chooses, null for none; the panel lets the previous
    // one go, and a blink that is running ends with its colours restored.
    void setModel(BitmapDocument* document);
    bool isWide() const { return m_wide; }

    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState&) override {}

private:
    void showLayout(bool wide);
    // Blinks the drawing entry, or its whole row, while the press is held; not with Shift.
    void blink(Visual::Component& on, const Visual::MouseEvent& press, bool wholeRow);

    PenPalette m_pen;
    FloatingPanel* m_panel;
    // Tells whether the panel's window still exists, which goes with the frame.
    ModelFollower m_panelAlive{[](const Aspect*) {}};
    bool m_wide = false;
};
