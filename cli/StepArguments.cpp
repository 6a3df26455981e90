#include "cli/StepArguments.h"

#include <charconv>

int32_t stepNumber(std::string_view text, int32_t low, int32_t high, const std::string& option)
{
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw BadArgument{option + ": expected a whole number from " + std::to_string(low) + " to " +
                          std::to_string(high) + ", not \"" + std::string(text) + "\""};
    return value;
}

std::vector<int32_t> stepNumbers(const std::string& text, int32_t low, int32_t high, const std::string& option)
{
    std::vector<int32_t> values;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string_view part(text.data() + start, (comma == std::string::npos ? text.size() : comma) - start);
        values.push_back(stepNumber(part, low, high, option));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return values;
}

std::vector<Point> stepPoints(const std::string& text, const std::string& option)
{
    std::vector<int32_t> values = stepNumbers(text, -1000000, 1000000, option);
    if (values.size() % 2 != 0)
        throw BadArgument{option + ": coordinates come in pairs X,Y"};
    std::vector<Point> result;
    for (size_t i = 0; i < values.size(); i += 2)
        result.push_back({values[i], values[i + 1]});
    return result;
}

Point stepPoint(const std::string& text, const std::string& option)
{
    std::vector<Point> points = stepPoints(text, option);
    if (points.size() != 1)
        throw BadArgument{option + ": takes X,Y"};
    return points[0];
}

Rect stepRect(const std::string& text, const std::string& option)
{
    std::vector<Point> corners = stepPoints(text, option);
    if (corners.size() != 2)
        throw BadArgument{option + ": takes L,T,R,B"};
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

ColorRef stepColor(const std::string& text, bool fullColor, const std::string& option)
{
    if (fullColor) {
        uint32_t value = 0;
        auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
        if (text.size() != 7 || text[0] != '#' || error != std::errc() || end != text.data() + text.size())
            throw BadArgument{option + ": a full-colour picture takes #RRGGBB, not \"" + text + "\""};
        return rgb(uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value));
    }
    return paletteIndex(uint8_t(stepNumber(text, 0, 255, option + " (a palette index for an 8-bit picture)")));
}
