#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The numbers of a settings value such as "10,-20,1", read from the left as far as they go. Each
// may have leading blanks and a sign, and a comma must follow a number directly. A number beyond 32
// bits ends the list as text that is no number does, so that its key falls back to its default.
class NumberList {
public:
    // The list keeps its own copy of text, so that it may be made from a temporary string.
    explicit NumberList(std::string_view text) : m_text(text), m_rest(m_text) {}
    NumberList(const NumberList&) = delete;
    NumberList& operator=(const NumberList&) = delete;

    // The next number in radix, or nothing, now and from then on.
    std::optional<int32_t> next(int radix = 10);

    // The first numbers of text, at most most of them, in decimal.
    static std::vector<int32_t> read(std::string_view text, size_t most);

private:
    std::string m_text;
    std::string_view m_rest;
    bool m_first = true;
    bool m_ended = false;
};
