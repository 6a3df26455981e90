#pragma once

#include "palette/ColorSelectionModel.h"

#include <cstdint>

// The rows of a palette a save writes: one flag per row of 16 entries, all set at first. A press
// on a cell chooses or toggles its row, the row headers choose rows; columns mean nothing here.
class PaletteRowSelection : public ColorSelectionModel {
public:
    explicit PaletteRowSelection(PaletteModel* palette) : ColorSelectionModel(palette) {}

    // Bit r for row r.
    uint16_t flags() const { return m_flags; }

    bool includes(int i) const override { return isEntry(i) && (m_flags >> (i / lineLength) & 1); }
    void selectOnly(int i) override;
    void add(int i) override;
    void remove(int i) override;
    void selectAll() override { setFlags(0xFFFF); }
    void clear() override {}
    void selectOnlyRow(int r) override;
    // Toggles row r.
    void addRow(int r, bool ctrl) override;

private:
    void setFlags(uint16_t flags);

    uint16_t m_flags = 0xFFFF;
};
