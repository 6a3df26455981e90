#pragma once

#include "framework/CommandTable.h"
#include "views/BitmapView.h"
#include "views/ColorPicker.h"
#include "views/DirectionKeys.h"
#include "views/DrawFootprint.h"

#include <optional>

class BitmapDocument;
class InformationFeedback;
class ToolBox;

// The main view of a document window: a bitmap view that turns the pointer and keys into editing
// with the tool box's current tool, chooses the pointer, and handles the zoom keys and the mesh.
class EditView : public BitmapView,
                 public Visual::MouseController,
                 public Visual::KeyController,
                 public CommandInterface,
                 public ColorPicker {
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
    void setTarget(ColorPickerTarget* target) override;
    ColorPickerTarget* target() const override { return m_pickerTarget; }
    // The information panel to report to, or null.
    void setInformation(InformationFeedback* information) { m_information = information; }

    // The Draw tool's square, while that tool is current.
    const std::optional<DrawFootprint>& footprint() const { return m_footprint; }

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;

private:
    // Follows the tool box for the edit view, which itself follows its document.
    class ToolFollower : public Dependent {
    public:
        explicit ToolFollower(EditView& view) : m_view(view) {}
        void update(const Aspect* aspect) override;

    private:
        EditView& m_view;
    };

    void toolChanged();
    bool drawSize(uint32_t id, Window* from);
    // A direction step of the Draw tool: by its size, 8 times that with Shift, a mesh cell with Ctrl.
    void moveFootprint(Point direction, const Visual::KeyEvent& trigger);
    void placeFootprint(Point position);
    void stampFootprint();
    bool footprintKey(const Visual::KeyEvent& event);

    static const CommandTable<EditView>& table();
    bool zoomKey(uint32_t id, Window* from);
    bool toggleMesh(uint32_t id, Window* from);
    // Shows the previous (830) or next (831) mesh cell where the current one was, row by row.
    bool stepMeshCell(uint32_t id, Window* from);

    void press(const Visual::MouseEvent& event);
    // Starts picking colours at the press, for the drawing or background colour or for the target.
    void startPicking(const Visual::MouseEvent& event, bool background, bool rightButton);
    void updateInformation(Point p);
    void zoomAt(Point dot, bool out);
    std::string toolPointer(int tool, bool shift) const;

    ToolBox& m_tools;
    ToolFollower m_toolFollower{*this};
    DirectionKeys m_directions;
    std::optional<DrawFootprint> m_footprint;
    ColorPickerTarget* m_pickerTarget = nullptr;
    InformationFeedback* m_information = nullptr;
    bool m_editStarted = false;
    bool m_spaceDown = false;
    bool m_tabDown = false;
    bool m_zDown = false;
};
