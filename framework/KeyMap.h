#pragma once

#include <cstdint>

// The program's key number (resources/VirtualKey.h) for a Qt key code; 0 for keys it has no number for.
// The keypad's digits have numbers of their own.
uint32_t keyNumber(int qtKey, bool keypad = false);
