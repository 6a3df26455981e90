#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How a numeric edit field accepts its text: an optional leading "-" and digits of the radix (10 or
// 16), whose value lies within [lower, upper].
struct NumericField {
    int controlId = 0;
    int32_t lower = 0;
    int32_t upper = 0;
    int radix = 10;

    std::optional<int32_t> parse(std::string_view text) const;
};
