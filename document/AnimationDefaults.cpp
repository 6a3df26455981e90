#include "document/AnimationDefaults.h"

#include "base/NumberList.h"
#include "document/AnimationParam.h"
#include "formats/SettingsFile.h"
#include "pixels/DIBImage.h"

#include <algorithm>
#include <optional>

namespace {

bool isSide(const std::optional<int32_t>& side)
{
    return side && *side >= 1 && *side <= DIBImage::maxSide;
}

} // namespace

// The numbers are read from the left, so one that fails leaves every later group at its default too.
AnimationDefaults parseAnimationDefaults(std::string_view text)
{
    AnimationDefaults defaults;
    NumberList numbers(text);
    std::optional<int32_t> width = numbers.next();
    std::optional<int32_t> height = numbers.next();
    if (isSide(width) && isSide(height))
        defaults.size = {*width, *height};

    std::optional<int32_t> first = numbers.next();
    std::optional<int32_t> last = numbers.next();
    // A huge last frame would otherwise ask for a wait of every frame up to it.
    if (first && last && *first >= 0 && *last >= 0) {
        defaults.first = std::min(*first, AnimationParam::maxFrame);
        defaults.last = std::min(*last, AnimationParam::maxFrame);
    }

    std::optional<int32_t> interval = numbers.next();
    if (interval && *interval >= 1)
        defaults.interval = std::min(*interval, AnimationParam::maxInterval);
    return defaults;
}

void loadAnimationDefaults(const SettingsFile& file, AnimationDefaults& defaults)
{
    defaults = parseAnimationDefaults(file.readString("Animation"));
}

AnimationDefaults& AnimationDefaults::current()
{
    static AnimationDefaults defaults;
    return defaults;
}
