#include "base/Utf8.h"

namespace utf8 {

size_t charLength(std::string_view text, size_t i)
{
    unsigned char lead = text[i];
    size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    size_t n = 1;
    while (n < length && i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

std::string_view firstChars(std::string_view text, size_t maxChars)
{
    size_t i = 0;
    for (size_t chars = 0; chars < maxChars && i < text.size(); ++chars)
        i += charLength(text, i);
    return text.substr(0, i);
}

size_t charCount(std::string_view text)
{
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); i += charLength(text, i))
        ++chars;
    return chars;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace utf8
