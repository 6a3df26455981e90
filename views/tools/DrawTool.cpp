#include "views/tools/DrawTool.h"

#include "document/BitmapDocument.h"
#include "document/ImagePlug.h"
#include "document/UndoRecord.h"
#include "framework/GraphicsContext.h"
#include "resources/CommandIds.h"
#include "resources/VirtualKey.h"
#include "views/tools/ToolEnvironment.h"

using Visual::KeyEvent;

DrawTool::DrawTool(ToolEnvironment& environment)
    : Tool(environment), m_directions([this](Point direction, const KeyEvent& trigger) { moveBy(direction, trigger); })
{
}

void DrawTool::activate()
{
    // The tool starts with a 1 x 1 square in the middle of what is shown.
    m_editStarted = false;
    m_footprint.emplace();
    m_footprint->moveTo(environment().visibleCentre(), environment().imageBounds());
    invalidateSquare();
}

void DrawTool::deactivate()
{
    invalidateSquare();
    m_footprint.reset();
}

void DrawTool::invalidateSquare()
{
    if (m_footprint)
        environment().invalidate(environment().dotsToView(m_footprint->rect()));
}

void DrawTool::setSize(int32_t size)
{
    if (!m_footprint)
        return;
    invalidateSquare();
    m_footprint->setSize(size, environment().imageBounds());
    invalidateSquare();
}

void DrawTool::press(const Visual::MouseEvent& event)
{
    Point dot = environment().viewToDot(event.at);
    if (m_footprint && environment().imageBounds().contains(dot))
        place(dot);
}

void DrawTool::place(Point position)
{
    ToolEnvironment& view = environment();
    invalidateSquare();
    m_footprint->moveTo(position, view.imageBounds());
    Rect square = view.dotsToView(m_footprint->rect());
    invalidateSquare();
    // A square that left the view brings the view along, centred on it.
    Rect shown = Rect::fromSize({}, view.viewSize());
    if (!shown.contains({square.left, square.top}) || !shown.contains({square.right - 1, square.bottom - 1})) {
        Rect r = m_footprint->rect();
        view.setZoom(view.zoom(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
}

void DrawTool::moveBy(Point direction, const KeyEvent& trigger)
{
    if (!m_footprint)
        return;
    ToolEnvironment& view = environment();
    Point from = m_footprint->position();
    int32_t s = m_footprint->size();
    if (trigger.control && view.mesh()) {
        // A mesh cell at a time: across, the view follows as the cell stepping does.
        Point cell = view.mesh()->meshSize();
        if (direction.x != 0)
            command(direction.x < 0 ? commands::previousMeshCell : commands::nextMeshCell);
        else if (direction.y != 0)
            place({from.x, from.y + direction.y * cell.y});
    } else {
        int32_t step = trigger.shift ? 8 * s : s;
        place({from.x + direction.x * step, from.y + direction.y * step});
    }
    if (m_tabDown || m_zDown)
        stamp();
}

bool DrawTool::command(uint32_t id)
{
    if (!m_footprint || (id != commands::previousMeshCell && id != commands::nextMeshCell))
        return false;
    Rect square = m_footprint->rect();
    Point centre{(square.left + square.right) / 2, (square.top + square.bottom) / 2};
    Point offset = environment().stepMeshCell(centre, id == commands::previousMeshCell ? -1 : 1);
    place({square.left + offset.x, square.top + offset.y});
    return true;
}

void DrawTool::stamp()
{
    BitmapDocument* picture = environment().document();
    if (!picture || !m_footprint)
        return;
    // The first stamp since the tool was chosen starts this document's undo step.
    if (!m_editStarted) {
        UndoRecord::instance().beginUndo(picture);
        m_editStarted = true;
    }
    m_footprint->stamp(*picture);
}

bool DrawTool::key(const KeyEvent& event)
{
    if (!m_footprint || !environment().document())
        return false;
    bool down = event.kind == KeyEvent::down || event.kind == KeyEvent::repeat;
    if (event.kind != KeyEvent::character) {
        if (event.key == keys::tab)
            m_tabDown = down;
        else if (event.key == 'Z')
            m_zDown = down;
    }
    if (event.kind == KeyEvent::up)
        return m_directions.keyUp(event);
    if (!down)
        return false;
    if (m_directions.keyDown(event))
        return true;
    if (event.key == keys::tab) {
        m_footprint->pickUp(*environment().document(), event.shift);
        return true;
    }
    if (event.key == 'Z') {
        stamp();
        return true;
    }
    if (event.key == keys::home) {
        InformationPlug& information = environment().document()->information();
        information.setOffset(m_footprint->position(), information.yUp());
        return true;
    }
    return false;
}

void DrawTool::paintOver(GraphicsContext& gc)
{
    if (!m_footprint)
        return;
    gc.setInvertMode();
    gc.frameRect(environment().dotsToView(m_footprint->rect()), GraphicsContext::invertInk);
    gc.restoreDefaults();
}

void DrawTool::reportInformation(InformationDisplay& information, std::optional<Point>)
{
    if (!m_footprint)
        return;
    information.showFootprint(m_footprint->position());
    if (BitmapDocument* picture = environment().document())
        information.showColor(picture->pixelAt(m_footprint->position()));
}
