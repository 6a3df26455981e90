#pragma once

#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "document/SelectionCommands.h"
#include "pixels/Region.h"

#include <memory>
#include <string>
#include <vector>

// Small documents for the tests of editing steps, drawn as rows of characters: '.' is the
// background colour, '#' and 'o' two other colours and '*' the drawing colour; '?' in what a test
// reads back is any other colour.
using Dots = std::vector<std::string>;

struct DocumentDeleter {
    void operator()(BitmapDocument* document) const { delete document; }
};
using Document = std::unique_ptr<BitmapDocument, DocumentDeleter>;

inline const std::string dotKinds = ".#o*";

inline ColorRef colorOf(char dot, bool fullColor)
{
    size_t k = dotKinds.find(dot);
    return fullColor ? rgb(uint8_t(40 * k), 0, 0) : paletteIndex(uint8_t(k == 3 ? 9 : k));
}

// An unmodified 8-bit or full-colour document of the dots.
inline Document picture(const Dots& dots, bool fullColor)
{
    Document document(new BitmapDocument(NewParams::current()));
    Point size{int32_t(dots[0].size()), int32_t(dots.size())};
    document->newContent({fullColor, 0, rgb(0, 0, 0), {16, 16}, size}, "/nonexistent/default.rgb", "t");
    for (int32_t y = 0; y < size.y; ++y)
        for (int32_t x = 0; x < size.x; ++x)
            document->fillRect({x, y, x + 1, y + 1}, colorOf(dots[size_t(y)][size_t(x)], fullColor));
    document->setDrawingColor(colorOf('*', fullColor));
    document->setModified(false);
    return document;
}

// The picture as it is seen, a floating image included.
inline Dots shown(const BitmapDocument& document)
{
    Rect b = document.bounds();
    Dots dots(size_t(b.height()), std::string(size_t(b.width()), '?'));
    for (int32_t y = 0; y < b.height(); ++y)
        for (int32_t x = 0; x < b.width(); ++x)
            for (char k : dotKinds)
                if (document.pixelAt({x, y}) == colorOf(k, document.isFullColor()))
                    dots[size_t(y)][size_t(x)] = k;
    return dots;
}

inline void select(BitmapDocument& document, const Rect& rect)
{
    Region region;
    region.setRect(rect);
    selectionCommands::select(document, region);
}
