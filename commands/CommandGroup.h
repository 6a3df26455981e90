#pragma once

#include <cstdint>
#include <span>

class BitmapDocument;
class Window;

// When a picture's menu item is enabled.
enum class EnableRule {
    always,
    notInteractive,
    modified,
    fileAndModified,
    ownsUndo,
    selection,
    indexedSelection,
    indexed,
    paste
};

// The commands of one menu group on the active picture, and when the group's items are enabled.
// A handler answers whether it took the command; from is the window the command came from, or null.
struct CommandGroup {
    struct Handler {
        uint32_t id;
        bool (*run)(BitmapDocument& document, uint32_t id, Window* from);
    };
    struct ItemRule {
        uint32_t id;
        EnableRule rule;
    };

    std::span<const Handler> handlers;
    std::span<const ItemRule> rules;
};

// One file each, named after its menu.
extern const CommandGroup fileCommands;
extern const CommandGroup editCommands;
extern const CommandGroup imageCommands;
extern const CommandGroup selectCommands;
extern const CommandGroup paletteCommands;
extern const CommandGroup windowCommands;
