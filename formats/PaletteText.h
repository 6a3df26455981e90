#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Line by line reading of the text palette formats, which other programs write with LF or CRLF
// endings and sometimes a UTF-8 byte order mark.
namespace paletteText {

// The file's text, past a byte order mark.
std::string_view textOf(std::span<const uint8_t> bytes);
// Takes the first line off text, without its LF or CRLF ending.
std::string_view takeLine(std::string_view& text);
bool isBlank(char c);
// text without spaces and tabs at either end.
std::string_view trimmed(std::string_view text);
// Takes a decimal number off text after any spaces and tabs; signs and other bases are no number.
std::optional<unsigned> takeNumber(std::string_view& text);

} // namespace paletteText
