#pragma once

#include <cstdint>
#include <string>
#include <vector>

class MenuState;

// What the main frame asks of the application that owns it.
class FrameClient {
public:
    // A command from the menu or a key; answers whether anybody handled it.
    virtual bool command(uint32_t id) = 0;
    // A popup is about to open: enable and check its items.
    virtual void menuOpening(MenuState& popup) = 0;
    // Files were dropped on the frame (or handed over by another start of the program).
    virtual void dropFiles(const std::vector<std::string>& paths) = 0;
    // The frame is asked to close; false keeps it open.
    virtual bool frameClosing() = 0;

protected:
    ~FrameClient() = default;
};
