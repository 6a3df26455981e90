#include "views/tools/BandSelectionTool.h"

#include "document/BitmapDocument.h"
#include "document/SelectionCommands.h"
#include "pixels/Region.h"
#include "views/tools/ToolEnvironment.h"

void BandSelectionTool::press(const Visual::MouseEvent& event)
{
    ToolEnvironment& view = environment();
    BitmapDocument* document = m_drag.pressToSelect(event);
    if (!document)
        return;
    view.track(std::make_unique<RubberBandTracker>(view, m_band,
                                                   [this, document](std::optional<Rect> band) {
                                                       if (!band)
                                                           return;
                                                       Region region;
                                                       shape(region, *band);
                                                       selectionCommands::selectRegion(*document, std::move(region));
                                                   }),
               event);
}

void BandSelectionTool::paintOver(GraphicsContext& gc)
{
    m_band.paint(gc);
    m_drag.paint(gc);
}
