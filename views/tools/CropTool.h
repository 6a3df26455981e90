#pragma once

#include "document/InteractiveMode.h"
#include "views/tools/AdjustableFrame.h"
#include "views/tools/RubberBand.h"
#include "views/tools/Tool.h"

class BitmapDocument;

// Crops the picture: a rubber band makes a frame that its handles adjust, and a press inside the
// frame cuts the picture to it (with Shift: opens a new picture of it instead). While the frame is
// up the document is in an interactive mode; a press outside it, select none or another tool
// takes it away.
class CropTool : public Tool, private InteractiveMode {
public:
    explicit CropTool(ToolEnvironment& environment) : Tool(environment), m_band(environment), m_frame(environment) {}
    ~CropTool() override;

    std::string pointer(const ToolKeys& keys) const override;
    void press(const Visual::MouseEvent& event) override;
    bool command(uint32_t id) override;
    void menuOpening(MenuState& popup) override;
    void paintOver(GraphicsContext& gc) override;
    void deactivate() override { endFrame(); }

    const std::optional<Rect>& frame() const { return m_frame.rect(); }

private:
    void endInteractive() override;
    void startFrame(BitmapDocument& document, const Rect& rect);
    void endFrame();

    BandFeedback m_band;
    AdjustableFrame m_frame;
    // The document the frame holds in its interactive mode.
    BitmapDocument* m_framed = nullptr;
};
