#pragma once

#include "palette/ColorSelectionModel.h"

// At most one selected entry, -1 for none, as the mesh colour dialog needs. Dependents hear only
// when the entry changes.
class SingleColorSelectionModel : public ColorSelectionModel {
public:
    explicit SingleColorSelectionModel(PaletteModel* palette, int index = -1);

    int index() const { return m_index; }

    bool includes(int i) const override { return isEntry(i) && i == m_index; }
    void selectOnly(int i) override;
    void add(int i) override;
    void remove(int i) override;
    void selectAll() override {}
    void clear() override;

private:
    void setIndex(int i);

    int m_index;
};
