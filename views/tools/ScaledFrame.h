#pragma once

#include "core/Geometry.h"
#include "views/tools/AdjustableFrame.h"

// Where a scaling drag takes the frame start (which an earlier drag may have mirrored) while
// handle is dragged to the dot-grid corner pointer. The held edges follow the pointer from the
// opposite edge, or about the centre with aboutCentre; keepRatio holds the sides' ratio, the
// dragged axis leading on a side handle. A side dragged past its anchor mirrors the frame on that
// axis alone. Each side keeps 1 to DIBImage::maxSide dots.
Rect scaledFrame(const Rect& start, FrameHandle handle, Point pointer, bool aboutCentre, bool keepRatio);
