#pragma once

#include "core/Geometry.h"

#include <algorithm>

// A frame that scaling has dragged past its anchor is a mirrored rectangle (right below left, or
// bottom below top): it shows on screen as the plain rectangle it spans.
inline Rect normalized(const Rect& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

// +1 on an axis the rectangle faces forward on, -1 on one it is mirrored on.
inline Point facing(const Rect& r)
{
    return {r.right < r.left ? -1 : 1, r.bottom < r.top ? -1 : 1};
}
