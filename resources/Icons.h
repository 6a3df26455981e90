#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// A small picture drawn as text: one string per row, one character per dot, each character a key
// of the colour table (a space is transparent).
struct IconResource {
    std::array<std::string_view, 16> rows;
    // Pairs of a key character and its colour 0x00BBGGRR.
    std::array<std::pair<char, uint32_t>, 6> colors;
};

// DOC_ICON: the icon of a document window, a framed picture on a grid of blocks.
const IconResource& documentIcon();
