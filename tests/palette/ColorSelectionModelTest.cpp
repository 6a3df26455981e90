#include "core/Aspects.h"
#include "palette/HeaderSelectionPlug.h"
#include "palette/MultiColorSelectionModel.h"
#include "palette/PaletteModel.h"
#include "palette/ResultColors.h"
#include "palette/SingleColorSelectionModel.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using List = std::vector<int>;

enum class Op { add, remove, selectOnly, selectAll, clear, selectOnlyRow, addRow, selectOnlyColumn, addColumn };

struct Step {
    Op op;
    int n = 0;
    bool ctrl = false;
};

void apply(ColorSelectionModel& selection, const Step& step)
{
    switch (step.op) {
    case Op::add: selection.add(step.n); break;
    case Op::remove: selection.remove(step.n); break;
    case Op::selectOnly: selection.selectOnly(step.n); break;
    case Op::selectAll: selection.selectAll(); break;
    case Op::clear: selection.clear(); break;
    case Op::selectOnlyRow: selection.selectOnlyRow(step.n); break;
    case Op::addRow: selection.addRow(step.n, step.ctrl); break;
    case Op::selectOnlyColumn: selection.selectOnlyColumn(step.n); break;
    case Op::addColumn: selection.addColumn(step.n, step.ctrl); break;
    }
}

List concat(std::initializer_list<List> parts)
{
    List all;
    for (const List& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Each list as the selection takes it: a row from its last entry down, a column from the bottom up.
List row(int r)
{
    List entries;
    for (int i = r * 16 + 15; i >= r * 16; --i)
        entries.push_back(i);
    return entries;
}

List column(int c)
{
    List entries;
    for (int i = 240 + c; i >= c; i -= 16)
        entries.push_back(i);
    return entries;
}

List ascending(int first, int last)
{
    List entries;
    for (int i = first; i <= last; ++i)
        entries.push_back(i);
    return entries;
}

List entriesOf(const MultiColorSelectionModel& selection)
{
    List entries;
    for (int k = 0; k < selection.count(); ++k)
        entries.push_back(selection.at(k));
    return entries;
}

struct MultiRow {
    const char* name;
    List before;
    Step step;
    List after;
    int notified;
};

TEST(MultiColorSelectionModelTest, KeepsTheOrderOfSelectionAndNotifiesAsItsRulesSay)
{
    const List row2Mixed = concat({{3}, ascending(32, 40), {100}, ascending(41, 47)});
    const MultiRow rows[] = {
        {"add appends", {5}, {Op::add, 3}, {5, 3}, 1},
        {"add of a selected entry is silent", {5, 3}, {Op::add, 5}, {5, 3}, 0},
        {"remove keeps the order of the rest", {1, 2, 3}, {Op::remove, 2}, {1, 3}, 1},
        {"remove notifies when nothing was there", {1}, {Op::remove, 9}, {1}, 1},
        {"selectOnly replaces", {1, 2}, {Op::selectOnly, 7}, {7}, 1},
        {"selectAll is ascending", {9}, {Op::selectAll}, ascending(0, 255), 1},
        {"clear empties", {1, 2}, {Op::clear}, {}, 1},
        {"addRow moves the row to the end, last entry first",
         {17, 3, 40},
         {Op::addRow, 1},
         concat({{3, 40}, row(1)}),
         1},
        {"addRow on a full row without Ctrl reorders it", row2Mixed, {Op::addRow, 2}, concat({{3, 100}, row(2)}), 1},
        {"Ctrl on a full row deselects it", row2Mixed, {Op::addRow, 2, true}, {3, 100}, 1},
        {"Ctrl on a partly selected row adds it", {20, 16}, {Op::addRow, 1, true}, row(1), 1},
        {"addColumn takes the bottom row first", {}, {Op::addColumn, 3}, column(3), 1},
        {"Ctrl on a full column deselects it", concat({column(3), {0}}), {Op::addColumn, 3, true}, {0}, 1},
        {"Ctrl on a partly selected column adds it", {243}, {Op::addColumn, 3, true}, column(3), 1},
        {"selectOnlyRow replaces with one notification", {1, 2}, {Op::selectOnlyRow, 15}, row(15), 1},
        {"selectOnlyColumn replaces with one notification", {1}, {Op::selectOnlyColumn, 0}, column(0), 1},
        {"row 16 is ignored", {1}, {Op::addRow, 16}, {1}, 0},
        {"row -1 is ignored", {1}, {Op::addRow, -1, true}, {1}, 0},
        {"selectOnlyRow 16 keeps the selection", {1}, {Op::selectOnlyRow, 16}, {1}, 0},
        {"column 16 is ignored", {1}, {Op::addColumn, 16}, {1}, 0},
        {"selectOnlyColumn -1 keeps the selection", {1}, {Op::selectOnlyColumn, -1}, {1}, 0},
        {"an entry past the palette is not added", {1}, {Op::add, 256}, {1}, 0},
        {"selectOnly of a negative entry keeps the selection", {1}, {Op::selectOnly, -1}, {1}, 0},
    };
    for (const MultiRow& row : rows) {
        SCOPED_TRACE(row.name);
        MultiColorSelectionModel selection(nullptr);
        for (int i : row.before)
            selection.add(i);
        Listener listener(&selection);
        apply(selection, row.step);
        EXPECT_EQ(entriesOf(selection), row.after);
        EXPECT_EQ(listener.count(&aspects::ColorSelectionModel::colorSelection), row.notified);
        EXPECT_EQ(listener.count(), row.notified) << "nothing but colorSelection is sent";
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(selection.includes(i), std::count(row.after.begin(), row.after.end(), i) == 1) << i;
    }
}

struct SingleRow {
    const char* name;
    int before;
    Step step;
    int after;
};

TEST(SingleColorSelectionModelTest, HoldsOneEntryAndNotifiesOnlyWhenItChanges)
{
    const SingleRow rows[] = {
        {"selectOnly sets", -1, {Op::selectOnly, 5}, 5},
        {"selectOnly of the entry held", 5, {Op::selectOnly, 5}, 5},
        {"add replaces", 5, {Op::add, 7}, 7},
        {"remove of another entry", 5, {Op::remove, 7}, 5},
        {"remove of the entry held", 5, {Op::remove, 5}, -1},
        {"selectAll does nothing", 5, {Op::selectAll}, 5},
        {"clear", 5, {Op::clear}, -1},
        {"clear when empty", -1, {Op::clear}, -1},
        {"headers do nothing", 5, {Op::selectOnlyRow, 1}, 5},
        {"an entry past the palette is refused", 5, {Op::selectOnly, 256}, 5},
    };
    for (const SingleRow& row : rows) {
        SCOPED_TRACE(row.name);
        SingleColorSelectionModel selection(nullptr, row.before);
        Listener listener(&selection);
        apply(selection, row.step);
        EXPECT_EQ(selection.index(), row.after);
        EXPECT_EQ(listener.count(&aspects::ColorSelectionModel::colorSelection), row.after != row.before ? 1 : 0);
        EXPECT_EQ(listener.count(), listener.count(&aspects::ColorSelectionModel::colorSelection));
        EXPECT_FALSE(selection.includes(-1)) << "no selection is not entry -1";
    }
}

TEST(ColorSelectionModelTest, AnswersItsPaletteAndTheHeaderPlugsButNoDragger)
{
    PaletteModel palette;
    MultiColorSelectionModel selection(&palette);
    EXPECT_EQ(interfaceFor(&selection, &aspects::PaletteModel::access), &palette);
    EXPECT_EQ(selection.valueFor(&aspects::ColorSelectionModel::dragger), nullptr);

    auto* rows = interfaceFor(&selection, &aspects::ColorSelectionModel::paletteSelection);
    auto* columns = interfaceFor(&selection, &aspects::ColorSelectionModel::columnSelection);
    ASSERT_NE(rows, nullptr);
    ASSERT_NE(columns, nullptr);
    rows->selectOnly(2);
    EXPECT_EQ(entriesOf(selection), row(2));
    List row2Without32 = row(2);
    row2Without32.pop_back();
    columns->add(0, false);
    EXPECT_EQ(entriesOf(selection), concat({row2Without32, column(0)})) << "32 moves with its column";
    columns->add(0, true);
    EXPECT_EQ(entriesOf(selection), row2Without32);
    rows->add(2, true);
    EXPECT_EQ(entriesOf(selection), row(2)) << "a row partly selected is added, not toggled";
}

} // namespace

namespace {

// The result colours from none chosen: each row's steps, then the first and second (-1: none) and
// the aspects heard for the last step.
TEST(ResultColorsTest, ClicksAndPicksFollowTheirRules)
{
    enum Kind { click, pickFirst, pickSecond };
    struct Row {
        const char* name;
        std::vector<std::pair<Kind, int>> steps;
        int first, second;
        std::vector<std::string> lastHeard;
    };
    const Row rows[] = {
        {"the first click chooses the first",
         {{click, 5}},
         5,
         -1,
         {"ResultColors::result1st", "ColorSelectionModel::colorSelection"}},
        {"the first again changes nothing", {{click, 5}, {click, 5}}, 5, -1, {}},
        {"another becomes the second",
         {{click, 5}, {click, 9}},
         5,
         9,
         {"ResultColors::result2nd", "ColorSelectionModel::colorSelection"}},
        {"the first drops the second",
         {{click, 5}, {click, 9}, {click, 5}},
         5,
         -1,
         {"ResultColors::result2nd", "ColorSelectionModel::colorSelection"}},
        {"the second again changes nothing", {{click, 5}, {click, 9}, {click, 9}}, 5, 9, {}},
        {"any other replaces the second",
         {{click, 5}, {click, 9}, {click, 200}},
         5,
         200,
         {"ResultColors::result2nd", "ColorSelectionModel::colorSelection"}},
        {"outside the palette changes nothing", {{click, 5}, {click, 256}, {click, -1}}, 5, -1, {}},
        {"a picked second with none is the first",
         {{pickSecond, 7}},
         7,
         -1,
         {"ResultColors::result1st", "ColorSelectionModel::colorSelection"}},
        {"a picked first replaces the first",
         {{click, 5}, {click, 9}, {pickFirst, 3}},
         3,
         9,
         {"ResultColors::result1st", "ColorSelectionModel::colorSelection"}},
        {"a picked first that was the second drops it",
         {{click, 5}, {click, 9}, {pickFirst, 9}},
         9,
         -1,
         {"ResultColors::result1st", "ResultColors::result2nd", "ColorSelectionModel::colorSelection"}},
        {"a picked second that is the first changes nothing", {{click, 5}, {pickSecond, 5}}, 5, -1, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ResultColors results(nullptr);
        Listener listener(&results);
        for (auto [kind, entry] : row.steps) {
            listener.clear();
            kind == click       ? results.click(entry)
            : kind == pickFirst ? results.setFirst(entry)
                                : results.setSecond(entry);
        }
        EXPECT_EQ(results.first().value_or(-1), row.first);
        EXPECT_EQ(results.second().value_or(-1), row.second);
        EXPECT_EQ(listener.names(), row.lastHeard);
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(results.includes(i), i == row.first || i == row.second) << i;
    }
}

} // namespace
