#pragma once

#include "document/InteractiveMode.h"
#include "views/tools/AdjustableFrame.h"
#include "views/tools/Tool.h"

class BitmapDocument;

// A mouse mode of the edit view that turns or scales the selection through a frame of handles:
// dragging a handle moves or turns the frame, a press inside the transformed frame applies it to
// the selection and one outside beeps. While it runs the document is in an interactive mode; it
// ends when the view's tool changes, the selection goes or the document ends it. It takes presses
// and draws over the current tool, so it wears a tool's face.
class TransformMode : public Tool, private InteractiveMode {
public:
    TransformMode(ToolEnvironment& environment, AdjustableFrame::Handles handles)
        : Tool(environment), m_frame(environment, handles)
    {
    }
    ~TransformMode() override;

    bool isRunning() const { return m_document != nullptr; }
    // Starts on the document's selection; without one nothing runs.
    void start();
    void end();

    std::string pointer(const ToolKeys& keys) const override;
    void press(const Visual::MouseEvent& event) override;
    void paintOver(GraphicsContext& gc) override { m_frame.paint(gc); }
    void deactivate() override { end(); }

    const AdjustableFrame& frame() const { return m_frame; }

protected:
    AdjustableFrame& editableFrame() { return m_frame; }
    BitmapDocument& document() const { return *m_document; }
    // Puts the frame on the selection's bounds as the mode starts.
    virtual void fitFrame(const Rect& selection) = 0;
    // Whether dot lies in the transformed frame.
    virtual bool inside(Point dot) const = 0;
    // Drags handle from press.
    virtual void dragHandle(FrameHandle handle, const Visual::MouseEvent& press) = 0;
    // Transforms the selection as the frame shows, if that changes it.
    virtual void apply() = 0;
    // The selection's bounds now, the empty rectangle without one.
    Rect selectionBounds() const;

private:
    void endInteractive() override;

    AdjustableFrame m_frame;
    // The document the mode holds in its interactive mode.
    BitmapDocument* m_document = nullptr;
};
