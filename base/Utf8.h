#pragma once

#include <cstddef>
#include <string_view>

// Character-wise handling of UTF-8 text, so that no limit ever splits a character.
namespace utf8 {

// The byte length of the character that starts at text[i]; a stray byte counts as one character.
size_t charLength(std::string_view text, size_t i);

// The longest prefix of text holding at most maxChars characters.
std::string_view firstChars(std::string_view text, size_t maxChars);

size_t charCount(std::string_view text);

// Whether a and b are equal when ASCII letters are compared without regard to case.
bool equalIgnoringCase(std::string_view a, std::string_view b);

} // namespace utf8
