#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

class QObject;
class QWidget;
struct Accelerator;

// The main loop's key filter: a key pressed in the frame, or in one of its tool windows, that the
// accelerator table knows becomes that command before any widget sees the key. Keys typed into
// text fields and keys of dialogs are left alone.
class AcceleratorFilter {
public:
    using CommandSink = std::function<void(uint32_t)>;

    AcceleratorFilter(QWidget& frame, std::span<const Accelerator> table, CommandSink send);
    ~AcceleratorFilter();

    // The command that the key number (or the typed text, for character entries) with modifiers
    // sends, or 0.
    static uint32_t translate(std::span<const Accelerator> table, uint32_t key, uint8_t modifiers,
                              std::string_view text);

private:
    std::unique_ptr<QObject> m_filter;
};
