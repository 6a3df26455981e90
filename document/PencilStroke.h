#pragma once

#include "core/Geometry.h"
#include "document/Pen.h"

#include <optional>
#include <vector>

class BitmapDocument;

// One stroke of the pencil on a document, from the press to the release: it begins the document's
// undo step, draws into the picture itself, and hands every 256 x 256 tile that the pen reaches to
// the undo recording once, however long the stroke.
class PencilStroke {
public:
    static constexpr int32_t tileSize = 256;

    // The pen is pen shape penIndex (resource 500 + penIndex) in the document's drawing tone; a
    // missing pen shape raises the framework error before anything is drawn.
    PencilStroke(BitmapDocument& document, int penIndex);

    // The press: the pen at dot, or, given the end of the previous stroke, the line from dot to
    // that end (without it), which joins the two strokes.
    void press(Point dot, std::optional<Point> joinTo = std::nullopt);
    // A move to dot: the line from dot back to the previous dot, which is already drawn.
    void moveTo(Point dot);
    // The last dot reached, where the next stroke may join.
    Point end() const { return m_last; }

private:
    void line(Point from, Point to);
    void saveTilesUnder(Point dot);

    BitmapDocument& m_document;
    Pen m_pen;
    Point m_last;
    int32_t m_tilesAcross;
    std::vector<bool> m_savedTiles;
};
