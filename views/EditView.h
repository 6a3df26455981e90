#pragma once

#include "document/PasteView.h"
#include "framework/CommandTable.h"
#include "views/BitmapView.h"
#include "views/ColorPicker.h"
#include "views/DirectionKeys.h"
#include "views/SelectionOutline.h"

#include <memory>
#include <optional>

class BitmapDocument;
class DrawTool;
class InformationDisplay;
class Tool;
class ToolBox;
class ToolSet;
class TransformMode;
struct ToolKeys;

// The main view of a document window: a bitmap view that hands the pointer and keys to the tool
// box's current tool, calls up the hand, the zoom and the eyedropper with Space, Tab and the right
// button over any tool, and handles the zoom keys and the mesh.
class EditView : public BitmapView,
                 public Visual::MouseController,
                 public Visual::KeyController,
                 public CommandInterface,
                 public ColorPicker,
                 public PasteView {
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
    // Zooms to z around the dot under pixel, clamped into the picture, or around the middle of
    // what is shown when there is no pixel.
    void zoomAt(int32_t z, std::optional<Point> pixel);
    // Chooses the pointer for the pointer at p with these keys held.
    void updatePointer(Point p, bool shift, bool control, bool rightButton);

    BitmapDocument* document() const;
    Point pasteCentre() const override { return visibleCentre(); }
    // A dot, or the picture's block in the block unit.
    Point pasteUnit() const override;
    void setTarget(ColorPickerTarget* target) override;
    ColorPickerTarget* target() const override { return m_pickerTarget; }
    Window* pickingWindow() override { return this; }
    // The information panel to report to, or null. A new panel gets the sub-panels of the tool and
    // the selection, and what they show now.
    void setInformation(InformationDisplay* information);

    // This view's tools, one of each.
    ToolSet& tools() const { return *m_toolSet; }
    // The rotate or scale with the mouse mode that runs, or null.
    TransformMode* transform() const;
    const SelectionOutline& outline() const { return m_outline; }
    SelectionOutline& outline() { return m_outline; }

    void update() override;
    void update(const Aspect* aspect) override;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;
    void originChanged() override;

private:
    class Environment;

    // Follows the tool box for the edit view, which itself follows its document.
    class ToolFollower : public Dependent {
    public:
        explicit ToolFollower(EditView& view) : m_view(view) {}
        void update(const Aspect* aspect) override;

    private:
        EditView& m_view;
    };

    static const CommandTable<EditView>& table();
    bool zoomKey(uint32_t id, Window* from);
    bool toggleMesh(uint32_t id, Window* from);
    bool drawSize(uint32_t id, Window* from);
    // Starts rotating or scaling the selection with the mouse.
    bool mouseTransform(uint32_t id, Window* from);
    // Whether a mouse transform may start: there is a selection and the document is not held by
    // another interactive mode (a crop frame).
    bool canTransform() const;
    // Shows the previous or next mesh cell where the current one was, row by row.
    bool stepMeshCell(uint32_t id, Window* from);
    Point stepMeshCellFrom(Point at, int direction);

    // The wheel scrolls down and up by the scroll bars' lines, across with Shift, and steps through
    // the zoom list with Ctrl.
    void turnWheel(const Visual::MouseEvent& event);
    void toolChanged();
    // The tool a press or the pointer goes to: the current one, unless a key or a dialog calls up
    // another over it.
    Tool& activeTool(const ToolKeys& keys) const;
    // The sub-panels the current tool and the selection call for.
    void configureInformation();
    // Fills in the information panel, with the dot under pixel when the pointer is over the view.
    void updateInformation(std::optional<Point> pixel);
    // The direction keys move a selection by units, 8 units with Shift, a mesh cell with Ctrl.
    bool nudgeKey(const Visual::KeyEvent& event);
    void nudge(Point direction, const Visual::KeyEvent& trigger);
    void selectionChanged();

    ToolBox& m_tools;
    std::unique_ptr<Environment> m_environment;
    std::unique_ptr<ToolSet> m_toolSet;
    Tool* m_current = nullptr;
    // The last mouse transform started; it takes presses and the pointer over the tool while it runs.
    std::unique_ptr<TransformMode> m_transform;
    ToolFollower m_toolFollower{*this};
    ColorPickerTarget* m_pickerTarget = nullptr;
    InformationDisplay* m_information = nullptr;
    bool m_spaceDown = false;
    bool m_tabDown = false;
    // What a fine wheel has turned short of a whole notch.
    Point m_wheelRest;
    SelectionOutline m_outline{*this};
    DirectionKeys m_nudgeKeys{[this](Point direction, const Visual::KeyEvent& trigger) { nudge(direction, trigger); }};
};
