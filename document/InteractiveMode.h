#pragma once

#include <utility>

// A mode of a view that holds the editing of its document until it ends: cropping, rotating or
// scaling with the mouse, a colour replacement preview. The menus disable editing meanwhile.
class InteractiveMode {
public:
    // The document ends the mode (it reverts, or its picture is replaced): the view drops its frame.
    virtual void endInteractive() = 0;

protected:
    ~InteractiveMode() = default;
};

// The one interactive mode of a document, if any: a new mode ends the one before it.
class InteractiveSlot {
public:
    bool isActive() const { return m_mode != nullptr; }
    void enter(InteractiveMode* mode)
    {
        if (m_mode != mode)
            end();
        m_mode = mode;
    }
    // The mode ends of itself; another one's place is kept.
    void leave(const InteractiveMode* mode)
    {
        if (m_mode == mode)
            m_mode = nullptr;
    }
    void end()
    {
        if (InteractiveMode* mode = std::exchange(m_mode, nullptr))
            mode->endInteractive();
    }

private:
    InteractiveMode* m_mode = nullptr;
};
