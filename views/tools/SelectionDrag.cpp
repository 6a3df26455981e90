#include "views/tools/SelectionDrag.h"

#include "base/BusyPointer.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "framework/Brush.h"
#include "framework/GraphicsContext.h"
#include "pixels/MaskImage.h"
#include "views/InformationDisplay.h"
#include "views/tools/InsideSelection.h"
#include "views/tools/RubberBand.h"
#include "views/tools/ToolEnvironment.h"

#include <cstdlib>

Point constrainedMove(Point units)
{
    int32_t a = std::abs(units.x), b = std::abs(units.y);
    auto signed_ = [](int32_t magnitude, int32_t like) { return like < 0 ? -magnitude : magnitude; };
    if (b < a)
        return 2 * b > a ? Point{signed_(b, units.x), signed_(b, units.y)} : Point{units.x, 0};
    return 2 * a > b ? Point{signed_(a, units.x), signed_(a, units.y)} : Point{0, units.y};
}

Point dragOffset(Point pixels, int32_t zoom, Point unit, bool shift)
{
    Point units{floorDiv(pixels.x, zoom * unit.x), floorDiv(pixels.y, zoom * unit.y)};
    if (shift)
        units = constrainedMove(units);
    return {units.x * unit.x, units.y * unit.y};
}

void DragOutline::take(const Region& region)
{
    int32_t zoom = m_view.zoom();
    m_shape.setFromMask(*region.toMask(), {zoom, zoom});
    m_corner = region.bounds().topLeft();
}

void DragOutline::show(std::optional<Point> offset)
{
    if (m_shown)
        m_view.invalidate(m_shown->bounds());
    m_shown.reset();
    if (!offset || m_shape.isEmpty())
        return;
    Region shown = m_shape;
    Point at = m_view.dotToView({m_corner.x + offset->x, m_corner.y + offset->y});
    shown.offset(at.x, at.y);
    m_view.invalidate(shown.bounds());
    m_shown = std::move(shown);
}

void DragOutline::paint(GraphicsContext& gc) const
{
    if (!m_shown)
        return;
    gc.setInvertMode();
    gc.frameRegion(*m_shown, Brush::solid(rgb(0, 0, 0)), 1);
    gc.restoreDefaults();
}

namespace {

class SelectionDragTracker : public Visual::Tracker {
public:
    SelectionDragTracker(ToolEnvironment& view, DragOutline& outline, BitmapDocument& document,
                         std::shared_ptr<SelectionRecord> selection)
        : m_view(view), m_outline(outline), m_document(document), m_selection(std::move(selection))
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override
    {
        m_press = m_state.at;
        m_keepCopy = m_state.control;
    }
    bool continues() const override { return m_state.leftButton; }
    void step() override { follow(); }
    void end() override
    {
        // The release may come where no move was seen.
        follow();
        m_outline.show(std::nullopt);
        if (!m_offset || *m_offset == Point{})
            return;
        BusyScope busy;
        m_document.selectionPlug().moveBy(*m_offset, m_keepCopy);
    }

private:
    void follow()
    {
        if (!m_offset) {
            if (!leftStartBox(m_press, m_state.at))
                return;
            m_outline.take(m_selection->region);
        }
        Point offset = dragOffset({m_state.at.x - m_press.x, m_state.at.y - m_press.y}, m_view.zoom(),
                                  m_view.unitSize(), m_state.shift);
        if (offset == m_offset)
            return;
        m_offset = offset;
        m_outline.show(offset);
        if (InformationDisplay* information = m_view.information())
            information->showSelection(m_selection->region.bounds().translated(offset.x, offset.y));
    }

    ToolEnvironment& m_view;
    DragOutline& m_outline;
    BitmapDocument& m_document;
    std::shared_ptr<SelectionRecord> m_selection;
    Visual::MouseEvent m_state{};
    Point m_press;
    // Nothing until the pointer leaves the start box.
    std::optional<Point> m_offset;
    bool m_keepCopy = false;
};

} // namespace

bool SelectionDrag::covers(Point dot) const
{
    return insideSelection(m_view, dot);
}

bool SelectionDrag::pressed(const Visual::MouseEvent& press)
{
    if (!covers(m_view.viewToDot(press.at)))
        return false;
    BitmapDocument& document = *m_view.document();
    m_view.track(std::make_unique<SelectionDragTracker>(m_view, m_outline, document, document.selection()), press);
    return true;
}

BitmapDocument* SelectionDrag::pressToSelect(const Visual::MouseEvent& press)
{
    BitmapDocument* document = m_view.document();
    if (!document || !m_view.imageBounds().contains(m_view.viewToDot(press.at)) || pressed(press))
        return nullptr;
    // One undo step gives back the old selection, floating image and all.
    UndoRecord::instance().beginUndo(document);
    document->commitSelection();
    return document;
}
