#pragma once

#include "core/GrowableArray.h"
#include "palette/ColorSelectionModel.h"

#include <span>
#include <vector>

// Any set of entries, kept in the order they were selected: the palette dialogs act on the entries
// in that order.
class MultiColorSelectionModel : public ColorSelectionModel {
public:
    explicit MultiColorSelectionModel(PaletteModel* palette) : ColorSelectionModel(palette) {}

    int count() const { return int(m_entries.count()); }
    // The k-th selected entry, in the order of selection.
    int at(int k) const { return m_entries[uint32_t(k)]; }

    // The selected entries, in the order of selection.
    std::vector<int> entries() const;
    // The selection becomes entries, in their order, with one notification.
    void selectEntries(std::span<const int> entries);

    bool includes(int i) const override { return m_entries.indexOf(i) < m_entries.count(); }
    // Silent when i is already selected.
    void add(int i) override;
    // Notifies even when i was not selected.
    void remove(int i) override;
    void selectOnly(int i) override;
    void selectAll() override;
    void clear() override;
    void selectOnlyRow(int r) override;
    // Moves row r to the end of the list, from its last entry down to its first; with Ctrl on a row
    // that is wholly selected it deselects the row instead.
    void addRow(int r, bool ctrl) override;
    void selectOnlyColumn(int c) override;
    // Like addRow for column c, its bottom entry first.
    void addColumn(int c, bool ctrl) override;

private:
    // The entries of a row or column in the order they join the list.
    struct Line {
        int first;
        int step;
    };
    static Line rowLine(int r) { return {r * lineLength + lineLength - 1, -1}; }
    static Line columnLine(int c) { return {(lineLength - 1) * lineLength + c, -lineLength}; }
    // Row or column n, ignored outside 0 to 15; replace first clears the list without notifying.
    void addLine(int n, Line line, bool ctrl, bool replace);
    void removeEntry(int i);
    void removeAll();

    GrowableArray<int> m_entries;
};
