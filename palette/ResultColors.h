#pragma once

#include "palette/ColorSelectionModel.h"

#include <optional>

// The one or two colours a simple replacement paints with, chosen by clicking the grid: the first
// click chooses the first colour, a click on another the second, and with two chosen a click on
// the first drops the second while any other replaces the second. Dependents hear
// ResultColors::result1st or ::result2nd for the colour that changed, and the grid redraws.
class ResultColors : public ColorSelectionModel {
public:
    explicit ResultColors(PaletteModel* palette) : ColorSelectionModel(palette) {}

    std::optional<int> first() const { return m_first; }
    std::optional<int> second() const { return m_second; }
    int count() const { return m_first ? (m_second ? 2 : 1) : 0; }

    // A click in the grid on entry i.
    void click(int i);
    // A colour picked in the picture: it becomes the first colour, or the second one (the first
    // while there is none); a colour never takes both places.
    void setFirst(int i);
    void setSecond(int i);

    bool includes(int i) const override { return i == m_first || i == m_second; }
    // Every way the grid selects is a click.
    void selectOnly(int i) override { click(i); }
    void add(int i) override { click(i); }
    void remove(int i) override { click(i); }
    void selectAll() override {}
    void clear() override;

private:
    void change(std::optional<int> first, std::optional<int> second);

    std::optional<int> m_first;
    std::optional<int> m_second;
};
