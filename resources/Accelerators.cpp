#include "resources/Accelerators.h"

#include "core/VirtualKey.h"

#include <array>

namespace {

constexpr uint8_t S = Accelerator::shift;
constexpr uint8_t C = Accelerator::control;

constexpr std::array<Accelerator, 57> table{{
    {'N', C, 100},
    {'O', C, 101},
    {'W', C, 102},
    {'S', C | S, 107},
    {'Q', C, 110},
    {'X', C, 201},
    {keys::del, S, 201},
    {'C', C, 202},
    {keys::insert, C, 202},
    {'V', C, 203},
    {keys::insert, S, 203},
    {'B', C, 207},
    {'F', C, 204},
    {'E', C, 205},
    {keys::del, 0, 206},
    {'C', 0, 300},
    {'C', S, 302},
    {'V', S, 303},
    {'X', S, 304},
    {'Z', S, 305},
    {'A', C, 400},
    {'D', C, 401},
    {keys::escape, 0, 401},
    {'E', S, 500},
    {keys::function(5), S, 600},
    {keys::function(4), S, 601},
    {'G', 0, 620},
    {keys::function(7), 0, 603},
    {keys::function(8), 0, 604},
    {keys::function(9), 0, 606},
    {keys::function(6), 0, 605},
    {'M', 0, 607},
    {'M', S, 608},
    {keys::function(1), S, 900},
    {'S', 0, 702},
    {'A', 0, 710},
    {'A', S, 712},
    {'F', 0, 718},
    {'V', 0, 717},
    {'D', 0, 719},
    {'T', 0, 721},
    {keys::function(1), 0, 800},
    {keys::function(2), 0, 801},
    {keys::function(3), 0, 802},
    {keys::function(4), 0, 803},
    {keys::function(5), 0, 804},
    {'1', 0, 805},
    {'2', 0, 806},
    {'3', 0, 807},
    {'W', 0, 820},
    {'Q', 0, 821},
    {'W', S, 822},
    {'Q', S, 823},
    {'E', 0, 830},
    {'R', 0, 831},
    {',', 0, 840, true},
    {'.', 0, 841, true},
}};

std::string keyName(uint32_t key)
{
    if (key >= keys::f1 && key < keys::f1 + 12)
        return "F" + std::to_string(key - keys::f1 + 1);
    switch (key) {
    case keys::del: return "Delete";
    case keys::insert: return "Insert";
    case keys::escape: return "Esc";
    default: return std::string(1, char(key));
    }
}

} // namespace

std::span<const Accelerator> mainAccelerators()
{
    return table;
}

std::string acceleratorText(const Accelerator& accelerator)
{
    std::string text;
    if (accelerator.modifiers & Accelerator::control)
        text += "Ctrl+";
    if (accelerator.modifiers & Accelerator::shift)
        text += "Shift+";
    return text + keyName(accelerator.key);
}

std::string acceleratorTextFor(std::span<const Accelerator> table, uint32_t command)
{
    for (const Accelerator& accelerator : table)
        if (accelerator.command == command)
            return acceleratorText(accelerator);
    return "";
}
