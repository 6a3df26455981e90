#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class PaletteModel;

// Whether every entry moved by d stays inside the palette.
bool landsInside(std::span<const int> entries, int d);

// Gives each entry k + d the colour that k had, in selection order, and answers the new selection
// (k + d, in the same order); the old entries keep their colours. Then notifies once. A selection
// that is empty or would leave the palette changes and notifies nothing and is answered as it was.
std::vector<int> copyColors(PaletteModel& palette, std::span<const int> entries, int d);

// Where each entry goes when the entries move by d and the entries they land on fill the places
// left behind, in ascending order: old entry -> new entry, the identity where nothing moves. An
// empty selection, or one that would leave the palette, moves nothing.
std::array<uint8_t, 256> moveRemap(std::span<const int> entries, int d);

// The renumbering under which the dots of entries S show at S + d: every dot of an entry in S + d
// takes the entry it came from. Exchanging (not keep), the dots of the places left behind take the
// displaced entries in turn, which is the inverse of moveRemap; keep leaves them alone. Moves
// nothing as moveRemap does.
std::array<uint8_t, 256> replacementTable(std::span<const int> entries, int d, bool keep);

// Moves the colours of the entries by d; the colours they land on fill the places left behind, in
// ascending order, so no colour is lost. Answers the landing entries ascending and notifies once.
// remap, when given, receives old entry -> new entry for every colour (the identity where nothing
// moved), for renumbering the pixels that use the palette. Empty or outside selections as copyColors.
std::vector<int> moveColors(PaletteModel& palette, std::span<const int> entries, int d,
                            std::array<uint8_t, 256>* remap = nullptr);
