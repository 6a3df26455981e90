#pragma once

#include "core/Dependent.h"
#include "core/Model.h"
#include "core/ValueInterfaces.h"

class BitmapDocument;
class BitmapPalette;

// The drawing and background colours of a document as the palette panels choose them: three
// selections over the drawing entry (the palette entry of the drawing colour) answered for
// PenPalette::matrixSelection (the entry, 0 to 255), ::paletteSelection (its row) and
// ::colorSelection (its column). A choice with Shift sets the background entry instead, except on
// the rows. Without a palette (no document, or a full-colour one) every selection reads -1 and
// choices change nothing. A change of the drawing colour notifies the three aspects, a change of
// the palette's colours BitmapPalette::access; another document (or none) is a full update.
class PenPalette : public Model, public Dependent {
public:
    PenPalette();

    // The document whose colours are chosen (null: none); the pen palette is its dependent.
    void setDocument(BitmapDocument* document);
    BitmapDocument* document() const;
    // The document's palette, or null.
    BitmapPalette* palette() const;
    // The entry of the drawing colour, -1 without a palette.
    int drawingEntry() const;

    void* valueFor(const Aspect* aspect) override;
    void update() override;
    void update(const Aspect* aspect) override;
    void afterModelReleased() override;

private:
    enum class Part { matrix, row, column };
    class Selection : public SelectionInterface {
    public:
        Selection(PenPalette& owner, Part part) : m_owner(owner), m_part(part) {}
        int32_t selection() const override;
        void select(int32_t n, bool shift) override;

    private:
        PenPalette& m_owner;
        Part m_part;
    };

    // Makes entry the drawing entry, or the background entry; entries from 256 up are ignored.
    void choose(int32_t entry, bool background);

    Selection m_matrix{*this, Part::matrix};
    Selection m_row{*this, Part::row};
    Selection m_column{*this, Part::column};
};
