#pragma once

#include "framework/CommandTable.h"
#include "panels/ModelFollower.h"

#include <cstdint>

class BitmapDocument;
class ColorIndicator;
class FloatingPanel;
class MDIWorkSpace;
class ToggleButtonsPlug;
class ToneIndicator;

// The tool box panel: the unit and tool buttons over the application's tool box, and the active
// document's colours and tone. A double click on a tool button, and a draw size chosen from the
// Draw button, go to the application as commands, so a tool chosen again reaches the document
// window; the unit commands are the panel's own.
class ToolBoxPanel : public CommandInterface {
public:
    explicit ToolBoxPanel(MDIWorkSpace& frame);
    ~ToolBoxPanel();
    ToolBoxPanel(const ToolBoxPanel&) = delete;
    ToolBoxPanel& operator=(const ToolBoxPanel&) = delete;

    FloatingPanel& panel() const { return *m_panel; }
    // The document whose colours and tone are shown, null for none; the previous one is let go.
    void setModel(BitmapDocument* document);

    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState&) override {}

    ToggleButtonsPlug& unitButtons() const { return *m_units; }
    ToggleButtonsPlug& toolButtons() const { return *m_tools; }
    ColorIndicator& colorIndicator() const { return *m_color; }
    ToneIndicator& toneIndicator() const { return *m_tone; }

private:
    // Stacks the banks at the size of their pictures, the indicators as wide as the banks below
    // them, and sizes the panel to fit.
    void layOut();

    FloatingPanel* m_panel;
    ToggleButtonsPlug* m_units;
    ToggleButtonsPlug* m_tools;
    ColorIndicator* m_color;
    ToneIndicator* m_tone;
    // Tells whether the panel's window still exists: the frame may destroy it first.
    ModelFollower m_panelAlive{[](const Aspect*) {}};
};
