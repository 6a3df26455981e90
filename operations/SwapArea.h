#pragma once

#include "core/Geometry.h"

class DIBImage;

// Exchanges the dots of piece with the dots of picture under it, piece's top-left corner at at,
// clipped to picture; both are of one depth. A second exchange puts both back as they were, so a
// floating image can be seen in its picture without a copy of either. Answers the rectangle of
// picture that was exchanged.
Rect swapArea(DIBImage& picture, DIBImage& piece, Point at);
