#pragma once

#include "core/Geometry.h"

#include <cstdint>

class DialogPage;

// Binds the width (101) and height (102) fields of a size dialog to size, each taking a whole
// number from lower to upper.
void bindSizeFields(DialogPage& page, Point& size, int32_t lower, int32_t upper);
