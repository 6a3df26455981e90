#include "app/InformationReadout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace readout {

namespace {

template <class... Args>
std::string formatted(const char* format, Args... args)
{
    char text[32];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// Hundredths as a whole part and "." with two digits.
std::pair<std::string, std::string> hundredths(int64_t h)
{
    return {formatted("%lld", static_cast<long long>(h / 100)), formatted(".%02lld", static_cast<long long>(h % 100))};
}

// The new length in hundredths of a percent of the old; blank for an old length of 0.
std::pair<std::string, std::string> ratio(int64_t before, int64_t after)
{
    if (before == 0)
        return {};
    return hundredths(after * 10000 / before);
}

} // namespace

ReadoutFields position(Point displayed)
{
    return {formatted("%d", displayed.x), formatted("%d", displayed.y), {}, {}};
}

ReadoutFields selection(Point displayedOrigin, Point size)
{
    return {formatted("%d", displayedOrigin.x), formatted("%d", displayedOrigin.y),
            formatted("%u", static_cast<unsigned>(size.x)), formatted("%u", static_cast<unsigned>(size.y))};
}

int32_t hundredthsOfDegree(double radians)
{
    constexpr double turn = 36000;
    double h = std::trunc(std::fmod(radians * 18000 / std::numbers::pi, turn));
    if (!std::isfinite(h))
        return 0;
    int32_t wrapped = static_cast<int32_t>(h);
    return wrapped < 0 ? wrapped + 36000 : wrapped;
}

ReadoutFields rotation(double radians)
{
    auto [whole, decimals] = hundredths(hundredthsOfDegree(radians));
    return {whole, decimals, {}, {}};
}

ReadoutFields scale(const Rect& before, const Rect& after)
{
    auto [width, widthDecimals] = ratio(before.width(), after.width());
    auto [height, heightDecimals] = ratio(before.height(), after.height());
    return {width, widthDecimals, height, heightDecimals};
}

ReadoutFields color(ColorRef rgbColor, int bits)
{
    bits = std::clamp(bits, 1, 8);
    int maximum = (1 << bits) - 1;
    auto channel = [&](uint8_t value) { return formatted("%3d/%-d", value >> (8 - bits), maximum); };
    return {channel(redOf(rgbColor)), channel(greenOf(rgbColor)), channel(blueOf(rgbColor)), {}};
}

} // namespace readout
