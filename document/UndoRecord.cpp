#include "document/UndoRecord.h"

UndoRecord& UndoRecord::instance()
{
    static UndoRecord record;
    return record;
}

void UndoRecord::beginUndo(BitmapDocument* document)
{
    m_actions.clear();
    m_owner = document;
}

void UndoRecord::addUndo(BitmapDocument* document, std::unique_ptr<UndoAction> action)
{
    if (m_owner != document)
        beginUndo(document);
    m_actions.push_back(std::move(action));
}

// Last recorded first, so that overlapping saves of one area end at the oldest of them.
void UndoRecord::undo(BitmapDocument* document)
{
    if (m_owner != document)
        return;
    std::vector<std::unique_ptr<UndoAction>> step;
    step.swap(m_actions);
    while (!step.empty()) {
        std::unique_ptr<UndoAction> action = std::move(step.back());
        step.pop_back();
        action->undoAction();
    }
}

void UndoRecord::forget(BitmapDocument* document)
{
    if (m_owner == document)
        beginUndo(nullptr);
}
