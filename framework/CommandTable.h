#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

class MenuState;
class Window;

// What a command handler answers for commands and menu state: a view offers it for Window::menuEx,
// and the picture's commands answer the same way. from is the window the command came from, or null.
class CommandInterface {
public:
    // Answers whether the command was handled.
    virtual bool command(uint32_t id, Window* from) = 0;
    // Enables and checks the items this handler owns in a popup about to open.
    virtual void menuOpening(MenuState& popup) = 0;

protected:
    ~CommandInterface() = default;
};

// An ordered table of command ids and their handlers; the first entry with the id handles it.
template <class Owner>
class CommandTable {
public:
    using Handler = bool (Owner::*)(uint32_t id, Window* from);
    struct Entry {
        uint32_t id;
        Handler handler;
    };

    CommandTable(std::initializer_list<Entry> entries) : m_entries(entries) {}

    bool dispatch(Owner& owner, uint32_t id, Window* from) const
    {
        for (const Entry& entry : m_entries)
            if (entry.id == id)
                return (owner.*entry.handler)(id, from);
        return false;
    }

private:
    std::vector<Entry> m_entries;
};
