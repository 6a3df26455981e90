#pragma once

#include <memory>
#include <vector>

class BitmapDocument;

// One step of an undo: performing it records its own inverse into the undo record.
class UndoAction {
public:
    virtual ~UndoAction() = default;
    virtual void undoAction() = 0;
};

// The one undo record of the application: the last step of one document.
class UndoRecord {
public:
    static UndoRecord& instance();

    // Drops every action and starts a step owned by document.
    void beginUndo(BitmapDocument* document);
    // Appends to the step of document, starting a new step first when another document owns it.
    void addUndo(BitmapDocument* document, std::unique_ptr<UndoAction> action);
    // Performs the step, last recorded first, leaving its inverse as the new step.
    void undo(BitmapDocument* document);
    // Drops the step when document owns it (reverted, written or destroyed).
    void forget(BitmapDocument* document);

    BitmapDocument* owner() const { return m_owner; }
    bool canUndo(const BitmapDocument* document) const { return m_owner == document && !m_actions.empty(); }

private:
    BitmapDocument* m_owner = nullptr;
    std::vector<std::unique_ptr<UndoAction>> m_actions;
};
