#pragma once

#include <cstdint>

// The program's key number (core/VirtualKey.h) for a Qt key code; 0 for keys it has no number for.
uint32_t keyNumber(int qtKey);
