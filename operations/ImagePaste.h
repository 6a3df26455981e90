#pragma once

#include "core/Geometry.h"

class DIBImage;

// Copies source into target with source's top-left corner at at, clipped to target. An image of the
// same depth is copied byte for byte; an 8-bit source into a 24-bit target takes the colours of the
// source's palette, and a 24-bit source into an 8-bit target the nearest entries of the target's
// palette. Answers the rectangle of target that changed, empty when source misses it.
Rect imagePaste(DIBImage& target, const DIBImage& source, Point at);
