#pragma once

#include <cstdint>

class DialogPage;

// Binds the count radio buttons from firstId on to value, which checks button value and takes
// the number of the button checked when OK is pressed.
void bindRadioButtons(DialogPage& page, int firstId, int count, int32_t& value);
