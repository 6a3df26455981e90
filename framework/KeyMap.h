#pragma once

#include <cstdint>

// The program's key number (resources/VirtualKey.h) for a Qt key code; 0 for keys it has no number for.
// The keypad's digits have numbers of their own.
uint32_t keyNumber(int qtKey, bool keypad = false);

// The key number a dialog's key hook hears. As keyNumber, but a keypad key is its digit in either Num
// Lock state: with Num Lock off the keypad sends Insert, End, Down, ... PageUp, and keypad 0 must not
// be Insert there. Views keep keyNumber, where those keys are the arrows they look like.
uint32_t dialogKeyNumber(int qtKey, bool keypad);
