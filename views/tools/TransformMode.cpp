#include "views/tools/TransformMode.h"

#include "base/Alert.h"
#include "base/BusyPointer.h"
#include "base/ErrorFrame.h"
#include "document/BitmapDocument.h"
#include "document/SelectionRecord.h"
#include "resources/StringTable.h"
#include "views/tools/ToolEnvironment.h"

TransformMode::~TransformMode()
{
    if (m_document)
        m_document->interactive().leave(this);
}

Rect TransformMode::selectionBounds() const
{
    std::shared_ptr<SelectionRecord> record = m_document ? m_document->selection() : nullptr;
    return record ? record->region.bounds() : Rect{};
}

void TransformMode::start()
{
    end();
    BitmapDocument* document = environment().document();
    if (!document || !document->selection())
        return;
    m_document = document;
    document->interactive().enter(this);
    fitFrame(selectionBounds());
}

void TransformMode::end()
{
    if (m_document)
        std::exchange(m_document, nullptr)->interactive().leave(this);
    m_frame.set(std::nullopt);
}

void TransformMode::endInteractive()
{
    m_document = nullptr;
    m_frame.set(std::nullopt);
}

std::string TransformMode::pointer(const ToolKeys& keys) const
{
    if (!isRunning())
        return "";
    ToolEnvironment& view = environment();
    Point pixel = view.dotToView(keys.dot);
    int32_t half = view.zoom() / 2;
    // Over a handle too the arrow tells that a press there drags rather than applies.
    if (m_frame.isDragging() || m_frame.handleAt({pixel.x + half, pixel.y + half}))
        return "";
    return inside(keys.dot) ? "HUMMER_CURS" : "STOP_CURS";
}

void TransformMode::press(const Visual::MouseEvent& event)
{
    if (!isRunning() || m_frame.isDragging())
        return;
    if (std::optional<FrameHandle> handle = m_frame.handleAt(event.at)) {
        dragHandle(*handle, event);
        return;
    }
    if (!inside(environment().viewToDot(event.at))) {
        environment().beep();
        return;
    }
    // A failure (no memory) leaves the selection as it was.
    try {
        BusyScope busy;
        apply();
    } catch (...) {
        reportError(currentError(), messages::outOfMemory, std::nullopt);
    }
}
