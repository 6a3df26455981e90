#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <string_view>

class SettingsFile;

// The animation settings every new document starts with. They are read from the settings once, at
// start-up, and never written back.
struct AnimationDefaults {
    Point size{32, 32};
    int32_t first = 0;
    int32_t last = 0;
    int32_t interval = 30;

    // The instance new documents read.
    static AnimationDefaults& current();
};

// The defaults a value "width,height,first,last,interval" gives. The size, the range and the interval
// are taken each as a group: one whose numbers are missing, unreadable or out of range falls back to
// its default, except that a range or interval past the limits of the animation dialog is cut to them.
AnimationDefaults parseAnimationDefaults(std::string_view text);
// The defaults of the key "Animation".
void loadAnimationDefaults(const SettingsFile& file, AnimationDefaults& defaults);
