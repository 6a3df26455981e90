#pragma once

#include <cstdint>

// Key numbers as the program's tables and key handlers use them: letters and digits are their
// upper-case ASCII codes, the other keys keep the classic virtual-key numbering.
namespace keys {

constexpr uint32_t back = 0x08;
constexpr uint32_t tab = 0x09;
constexpr uint32_t enter = 0x0D;
constexpr uint32_t shift = 0x10;
constexpr uint32_t control = 0x11;
constexpr uint32_t alt = 0x12;
constexpr uint32_t escape = 0x1B;
constexpr uint32_t space = 0x20;
constexpr uint32_t pageUp = 0x21;
constexpr uint32_t pageDown = 0x22;
constexpr uint32_t end = 0x23;
constexpr uint32_t home = 0x24;
constexpr uint32_t left = 0x25;
constexpr uint32_t up = 0x26;
constexpr uint32_t right = 0x27;
constexpr uint32_t down = 0x28;
constexpr uint32_t insert = 0x2D;
constexpr uint32_t del = 0x2E;
// The keypad's digits 0 to 9 follow each other.
constexpr uint32_t numpad0 = 0x60;
// F1 to F12 follow each other.
constexpr uint32_t f1 = 0x70;

constexpr uint32_t numpad(int n)
{
    return numpad0 + uint32_t(n);
}

constexpr uint32_t function(int n)
{
    return f1 + uint32_t(n - 1);
}

} // namespace keys
