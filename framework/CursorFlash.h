#pragma once

#include <cstdint>
#include <optional>

// How long each phase of a blinking mark lasts: half the desktop's cursor flash time, 0 when the
// desktop's cursor does not blink.
int32_t blinkPhaseMs();
// Puts a flash time of the test's in place of the desktop's; nothing gives the desktop's back.
void setCursorFlashTimeForTests(std::optional<int32_t> ms);
