#pragma once

#include "core/Model.h"
#include "palette/HeaderSelectionPlug.h"

class PaletteModel;

// Which entries of a 16 x 16 palette grid are selected (entry = row x 16 + column). Grids redraw on
// ColorSelectionModel::colorSelection; the row and column headers drive the selection through the
// plugs answered for ColorSelectionModel::paletteSelection and ::columnSelection.
class ColorSelectionModel : public Model {
public:
    static constexpr int lineLength = 16;

    explicit ColorSelectionModel(PaletteModel* palette);

    virtual bool includes(int i) const = 0;
    virtual void selectOnly(int i) = 0;
    virtual void add(int i) = 0;
    virtual void remove(int i) = 0;
    virtual void selectAll() = 0;
    virtual void clear() = 0;
    // A selection that never holds a whole row or column ignores the headers. ctrl is the state of
    // the Ctrl key at the press that asks for the row or column.
    virtual void selectOnlyRow(int /*r*/) {}
    virtual void addRow(int /*r*/, bool /*ctrl*/) {}
    virtual void selectOnlyColumn(int /*c*/) {}
    virtual void addColumn(int /*c*/, bool /*ctrl*/) {}
    using Model::changed;
    // Notifies ColorSelectionModel::colorSelection.
    virtual void changed();

    void* valueFor(const Aspect* aspect) override;

    PaletteModel* palette() const { return m_palette; }

protected:
    static bool isEntry(int i) { return i >= 0 && i < lineLength * lineLength; }
    static bool isLine(int n) { return n >= 0 && n < lineLength; }

private:
    PaletteModel* m_palette;
    HeaderSelectionPlug m_rows;
    HeaderSelectionPlug m_columns;
};
