#pragma once

#include "framework/CommandTable.h"
#include "views/BitmapView.h"

#include <optional>

class BitmapDocument;
class ToolBox;

// The main view of a document window: a bitmap view that turns the pointer and keys into editing
// with the tool box's current tool, chooses the pointer, and handles the zoom keys and the mesh.
class EditView : public BitmapView,
                 public Visual::MouseController,
                 public Visual::KeyController,
                 public CommandInterface {
public:
    EditView(QWidget* container, ToolBox& tools);
    ~EditView() override;

    void* valueFor(const Aspect* aspect) override;
    void mouseEvent(const Visual::MouseEvent& event) override;
    void keyEvent(const Visual::KeyEvent& event) override;
    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState& popup) override;

    // Zooms to z around the dot under the pointer when it is over the picture, else around the
    // middle of what is shown.
    void zoomAround(int32_t z);
    // Picks the colour at dot into the drawing (or background) colour; outside the picture, nothing.
    void pickColor(Point dot, bool background);
    // Chooses the pointer for the pointer at p with these keys held.
    void updatePointer(Point p, bool shift, bool control, bool rightButton);

    BitmapDocument* document() const;

private:
    static const CommandTable<EditView>& table();
    bool zoomKey(uint32_t id, Window* from);
    bool toggleMesh(uint32_t id, Window* from);

    void press(const Visual::MouseEvent& event);
    void zoomAt(Point dot, bool out);
    std::string toolPointer(int tool, bool shift, bool control) const;

    ToolBox& m_tools;
    bool m_spaceDown = false;
    bool m_tabDown = false;
};
