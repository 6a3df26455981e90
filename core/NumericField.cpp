#include "core/NumericField.h"

#include <charconv>

std::optional<int32_t> NumericField::parse(std::string_view text) const
{
    bool negative = !text.empty() && text.front() == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    // from_chars would also take a sign or a "0x" of its own; only bare digits are a number here.
    if (digits.empty() || digits.front() == '-' || digits.front() == '+')
        return std::nullopt;
    int64_t magnitude = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, radix);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    int64_t v = negative ? -magnitude : magnitude;
    if (v < lower || v > upper)
        return std::nullopt;
    return int32_t(v);
}
