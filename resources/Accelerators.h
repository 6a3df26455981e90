#pragma once

#include <cstdint>
#include <span>
#include <string>

// One entry of an accelerator table: a key with its modifiers that sends a command.
struct Accelerator {
    static constexpr uint8_t shift = 1;
    static constexpr uint8_t control = 2;
    static constexpr uint8_t alt = 4;

    // A key number (resources/VirtualKey.h), or for a character entry the character typed.
    uint32_t key;
    uint8_t modifiers;
    uint32_t command;
    bool character = false;
};

// MAIN_ACCEL, the keys of the main frame.
std::span<const Accelerator> mainAccelerators();

// How a menu shows the key: "Ctrl+Shift+S", "Alt+Backspace", "F7", "Delete", ",".
std::string acceleratorText(const Accelerator& accelerator);
// The key text of the first entry that sends command, or "" when no key sends it.
std::string acceleratorTextFor(std::span<const Accelerator> table, uint32_t command);
