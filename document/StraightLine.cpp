#include "document/StraightLine.h"

#include "document/BitmapDocument.h"
#include "document/Pen.h"
#include "document/UndoRecord.h"
#include "resources/Bitmaps.h"

#include <algorithm>

void drawStraightLine(BitmapDocument& document, Point start, Point end, int32_t width)
{
    Pen pen;
    pen.setSquare(width, width);
    pen.setTone(bitmaps::firstTone + document.drawingTone());
    // One Undo takes back exactly this line, whichever document the last step belonged to. It keeps
    // the dots the pen can reach between the two ends, and no more.
    UndoRecord::instance().beginUndo(&document);
    Point corner = pen.hotspot();
    document.savePixelsForUndo({std::min(start.x, end.x) + corner.x, std::min(start.y, end.y) + corner.y,
                                std::max(start.x, end.x) + corner.x + width,
                                std::max(start.y, end.y) + corner.y + width});
    document.drawLine(pen, start, end);
    document.drawPen(pen, end);
}
