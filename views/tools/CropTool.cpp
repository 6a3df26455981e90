#include "views/tools/CropTool.h"

#include "document/BitmapDocument.h"
#include "document/CanvasOperations.h"
#include "document/SelectionCommands.h"
#include "framework/MenuState.h"
#include "resources/CommandIds.h"
#include "views/tools/GridCorner.h"
#include "views/tools/ToolEnvironment.h"

CropTool::~CropTool()
{
    if (m_framed)
        m_framed->interactive().leave(this);
}

std::string CropTool::pointer(const ToolKeys& keys) const
{
    ToolEnvironment& view = environment();
    Point pixel = view.dotToView(keys.dot);
    int32_t half = view.zoom() / 2;
    if (m_frame.isDragging() || m_frame.handleAt({pixel.x + half, pixel.y + half}))
        return "";
    if (frame() && frame()->contains(keys.dot))
        return keys.shift ? "CROP_NEW_CURS" : "FINISH_CROP_CURS";
    return view.capsLock() ? "CROSS_POINT_CURS" : "CROP_CURS";
}

void CropTool::press(const Visual::MouseEvent& event)
{
    ToolEnvironment& view = environment();
    BitmapDocument* document = view.document();
    if (!document || m_frame.isDragging())
        return;
    Rect picture = view.imageBounds();
    if (std::optional<FrameHandle> handle = m_frame.handleAt(event.at)) {
        Point unit = view.unitSize();
        auto rule = [picture, unit](const Rect& start, FrameHandle held, Point corner, const Visual::MouseEvent&) {
            // Whole units, as the band made it, but never past the picture.
            corner = nearestGridCorner(corner, 1, unit);
            corner = {std::clamp(corner.x, picture.left, picture.right),
                      std::clamp(corner.y, picture.top, picture.bottom)};
            Rect next = AdjustableFrame::adjusted(start, held, corner, unit).intersected(picture);
            return next.isEmpty() ? start : next;
        };
        m_frame.drag(*handle, event, rule, [this] {
            if (InformationDisplay* information = environment().information())
                information->showSelection(*frame());
        });
        return;
    }
    Point dot = view.viewToDot(event.at);
    if (!picture.contains(dot))
        return;
    if (document->selection()) {
        selectionCommands::selectNone(*document);
        return;
    }
    if (std::optional<Rect> rect = frame()) {
        endFrame();
        if (!rect->contains(dot))
            return;
        if (event.shift)
            newDocumentFrom(*document, *rect);
        else
            resizeCanvas(*document, *rect);
        return;
    }
    view.track(std::make_unique<RubberBandTracker>(view, m_band,
                                                   [this, document, picture](std::optional<Rect> band) {
                                                       Rect rect = band ? band->intersected(picture) : Rect{};
                                                       if (!rect.isEmpty())
                                                           startFrame(*document, rect);
                                                   }),
               event);
}

bool CropTool::command(uint32_t id)
{
    if (id != commands::selectNone || !frame())
        return false;
    endFrame();
    return true;
}

void CropTool::menuOpening(MenuState& popup)
{
    if (frame())
        popup.enable(commands::selectNone, true);
}

void CropTool::paintOver(GraphicsContext& gc)
{
    m_band.paint(gc);
    m_frame.paint(gc);
}

void CropTool::endInteractive()
{
    m_framed = nullptr;
    m_frame.set(std::nullopt);
}

void CropTool::startFrame(BitmapDocument& document, const Rect& rect)
{
    m_framed = &document;
    document.interactive().enter(this);
    m_frame.set(rect);
}

void CropTool::endFrame()
{
    if (m_framed)
        std::exchange(m_framed, nullptr)->interactive().leave(this);
    m_frame.set(std::nullopt);
}
