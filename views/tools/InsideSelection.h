#pragma once

#include "core/Geometry.h"

class ToolEnvironment;

// Whether dot lies in the document's selection: there the selecting tools show the platform arrow,
// and a press moves the selection instead of making a new one.
bool insideSelection(const ToolEnvironment& view, Point dot);
