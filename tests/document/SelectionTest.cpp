#include "base/FilePath.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/NewParams.h"
#include "document/PencilStroke.h"
#include "document/SelectionCommands.h"
#include "document/SelectionRecord.h"
#include "document/SelectionTransforms.h"
#include "document/UndoRecord.h"
#include "pixels/DIBImage.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Dots = std::vector<std::string>;

// An 8-bit picture drawn as characters: '.' background (index 0), '#' a figure (index 9), 'o'
// another figure (index 5).
constexpr ColorRef background = paletteIndex(0);
constexpr ColorRef figure = paletteIndex(9);
constexpr ColorRef other = paletteIndex(5);

char dotOf(ColorRef c)
{
    return c == background ? '.' : c == figure ? '#' : c == other ? 'o' : '?';
}

// What a selection is, for comparing the states an undo goes between.
struct State {
    Dots shown;
    Rect place;
    bool selected = false;
    bool floating = false;
    int32_t mode = 0;
    friend bool operator==(const State&, const State&) = default;
};

std::ostream& operator<<(std::ostream& out, const State& s)
{
    for (const std::string& row : s.shown)
        out << row << '/';
    return out << " selected " << s.selected << " floating " << s.floating << " at " << s.place.left << ','
               << s.place.top << " mode " << s.mode;
}

class SelectionTest : public testing::Test {
protected:
    SelectionTest()
    {
        document = new BitmapDocument(NewParams::current());
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.imageSize = {8, 4};
        params.backgroundIndex = 0;
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        listener = std::make_unique<Listener>(document);
    }

    void draw(const Dots& dots)
    {
        for (int32_t y = 0; y < int32_t(dots.size()); ++y)
            for (int32_t x = 0; x < int32_t(dots[size_t(y)].size()); ++x) {
                char d = dots[size_t(y)][size_t(x)];
                document->fillRect({x, y, x + 1, y + 1}, d == '#' ? figure : d == 'o' ? other : background);
            }
    }
    void select(const Rect& r)
    {
        auto record = std::make_shared<SelectionRecord>();
        record->region.setRect(r);
        UndoRecord::instance().beginUndo(document);
        document->selectionPlug().setSelection(record);
    }
    // The picture as it is seen, through pixelAt.
    Dots shown() const
    {
        Dots dots;
        for (int32_t y = 0; y < document->bounds().height(); ++y) {
            dots.emplace_back();
            for (int32_t x = 0; x < document->bounds().width(); ++x)
                dots.back() += dotOf(document->pixelAt({x, y}));
        }
        return dots;
    }
    // The picture itself, without a floating image.
    Dots picture() const
    {
        Dots dots;
        for (int32_t y = 0; y < document->image()->height(); ++y) {
            dots.emplace_back();
            for (int32_t x = 0; x < document->image()->width(); ++x)
                dots.back() += dotOf(document->image()->pixelAt({x, y}));
        }
        return dots;
    }
    State state() const
    {
        State s{shown()};
        if (std::shared_ptr<SelectionRecord> record = document->selection()) {
            s.selected = true;
            s.place = record->region.bounds();
            s.floating = record->floatingImage != nullptr;
            s.mode = record->pasteMode;
        }
        return s;
    }
    int heard() const { return listener->count(&aspects::BitmapSelectionPlug::access); }
    // The step changes the picture or its selection; Undo goes back, a second Undo forward again.
    void expectUndoAndRedo(const std::function<void()>& step)
    {
        State before = state();
        step();
        State after = state();
        EXPECT_NE(after, before);
        document->undo();
        EXPECT_EQ(state(), before);
        document->undo();
        EXPECT_EQ(state(), after);
    }

    BitmapDocument* document;
    std::unique_ptr<Listener> listener;
};

TEST_F(SelectionTest, TheDocumentAnswersItsSelectionPlugAndStartsInModeZero)
{
    EXPECT_EQ(interfaceFor<BitmapSelectionPlug>(document, &aspects::BitmapSelectionPlug::access),
              &document->selectionPlug());
    EXPECT_EQ(document->pasteMode(), 0);
    select({1, 1, 3, 3});
    EXPECT_EQ(heard(), 1);
    EXPECT_EQ(document->selection()->pasteMode, 0);
}

TEST_F(SelectionTest, MovesCutOrCopyTheDotsAndCommitWritesThemAtTheNewPlace)
{
    struct Row {
        const char* what;
        bool floatFirst;
        bool keepCopy;
        Dots shown, committed;
    };
    const Row rows[] = {
        {"plain",
         false,
         false,
         {"........", "........", "...#o...", "...o#..."},
         {"........", "........", "...#o...", "...o#..."}},
        {"Ctrl",
         false,
         true,
         {"........", ".#o.....", ".o##o...", "...o#..."},
         {"........", ".#o.....", ".o##o...", "...o#..."}},
        {"floating and Ctrl",
         true,
         true,
         {"........", "........", ".#o.....", ".o##o..."},
         {"........", "........", ".#o.....", ".o##o..."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        draw({"........", ".#o.....", ".o#.....", "........"});
        document->commitSelection();
        select({1, 1, 3, 3});
        if (row.floatFirst)
            document->selectionPlug().moveBy({0, 1}, false);
        document->selectionPlug().moveBy({2, 1}, row.keepCopy);
        EXPECT_TRUE(document->selection()->floatingImage);
        EXPECT_EQ(shown(), row.shown);
        document->commitSelection();
        EXPECT_EQ(document->selection(), nullptr);
        EXPECT_EQ(picture(), row.committed);
    }
}

TEST_F(SelectionTest, AMoveThatIsNoMoveOrLeavesThePictureDoesNothing)
{
    draw({"##......", "##......", "........", "........"});
    select({0, 0, 2, 2});
    UndoRecord::instance().beginUndo(nullptr);
    int before = heard();
    for (Point offset : {Point{0, 0}, Point{8, 0}, Point{0, -2}, Point{-30, 40}})
        document->selectionPlug().moveBy(offset, false);
    EXPECT_EQ(heard(), before);
    EXPECT_FALSE(document->selection()->floatingImage);
    EXPECT_FALSE(UndoRecord::instance().canUndo(document));
    document->selectionPlug().moveBy({7, 3}, false);
    EXPECT_EQ(shown(), (Dots{"........", "........", "........", ".......#"})) << "one dot still over it";
}

// The bounding rectangle of a selection may reach past the picture: what is lifted there is
// background, and committing writes only inside.
TEST_F(SelectionTest, ASelectionReachingPastThePictureLiftsBackgroundThere)
{
    draw({"#######o", "########", "########", "o#######"});
    select({-4, -4, 12, 8});
    document->selectionPlug().moveBy({1, 1}, false);
    EXPECT_EQ(shown(), (Dots{"........", ".#######", ".#######", ".#######"}));
    document->commitSelection();
    EXPECT_EQ(picture(), (Dots{"........", ".#######", ".#######", ".#######"}));
}

TEST_F(SelectionTest, EachPasteModeShowsAndCommitsAsItsRuleSays)
{
    struct Row {
        int32_t mode;
        Dots shown;
    };
    // A floating "o." pair moved over a "#" column: the "." is transparent except in mode 1.
    const Row rows[] = {
        {0, {"...o#...", "...o#..."}},
        {1, {"...o....", "...o...."}},
        {2, {"...o#...", "...o#..."}},
        {3, {"....#...", "....#..."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        document->setPasteMode(row.mode);
        draw({"....#...", "....#...", "o.......", "o......."});
        select({0, 2, 2, 4});
        document->selectionPlug().moveBy({3, -2}, false);
        EXPECT_EQ(document->selection()->pasteMode, row.mode);
        Dots seen = shown();
        EXPECT_EQ(Dots(seen.begin(), seen.begin() + 2), row.shown);
        document->commitSelection();
        Dots written = picture();
        EXPECT_EQ(Dots(written.begin(), written.begin() + 2), row.shown);
    }
}

TEST_F(SelectionTest, BehindAndInsideFollowTheDrawingUnderThem)
{
    for (int32_t mode : {2, 3}) {
        SCOPED_TRACE(mode);
        draw({"oo......", "oo......", "........", "........"});
        document->setPasteMode(mode);
        select({0, 0, 2, 2});
        document->selectionPlug().moveBy({4, 0}, false);
        document->fillRect({4, 0, 8, 1}, figure);
        EXPECT_EQ(shown()[0], mode == 2 ? "....####" : "....oo##");
        EXPECT_EQ(shown()[1], mode == 2 ? "....oo.." : "........");
        document->commitSelection();
        document->setPasteMode(0);
    }
}

// Mode 0 composites in place: the dots the transparent ones showed must not come back as own
// pixels when the mode changes and the image moves on.
TEST_F(SelectionTest, AModeChangeAfterModeZeroDoesNotKeepTheDotsOfTheOldPlace)
{
    draw({"o.######", "oo######", "........", "........"});
    select({0, 0, 2, 2});
    document->selectionPlug().moveBy({2, 0}, false);
    EXPECT_EQ(shown(), (Dots{"..o#####", "..oo####", "........", "........"}));
    document->setPasteMode(1);
    document->selectionPlug().moveBy({0, 2}, false);
    EXPECT_EQ(shown(), (Dots{"..######", "..######", "..o.....", "..oo...."}));
    document->setPasteMode(2);
    EXPECT_EQ(shown(), (Dots{"..######", "..######", "..o.....", "..oo...."}));
    document->selectionPlug().moveBy({2, -2}, false);
    EXPECT_EQ(shown(), (Dots{"..######", "..######", "........", "........"})) << "all behind the figure";
    document->setPasteMode(1);
    EXPECT_EQ(shown(), (Dots{"..##o.##", "..##oo##", "........", "........"}));
}

TEST_F(SelectionTest, CommandsUndoAndRedo)
{
    struct Row {
        const char* what;
        Rect selected;
        std::optional<Point> floatBy; // a move before the command, with or without Ctrl
        bool keepCopy;
        void (*command)(BitmapDocument&);
    };
    auto fill = [](BitmapDocument& d) { selectionCommands::fill(d, false); };
    auto border = [](BitmapDocument& d) { selectionCommands::fill(d, true); };
    const Row rows[] = {
        {"fill", {1, 0, 4, 3}, std::nullopt, false, fill},
        {"fill floating", {1, 0, 4, 3}, Point{2, 1}, false, fill},
        {"border", {1, 0, 5, 4}, std::nullopt, false, border},
        {"clear", {0, 0, 3, 3}, std::nullopt, false, selectionCommands::clear},
        {"clear floating", {0, 0, 3, 3}, Point{1, 1}, true, selectionCommands::clear},
        {"select all", {0, 0, 3, 3}, Point{1, 1}, false, selectionCommands::selectAll},
        {"select none", {0, 0, 3, 3}, Point{4, 0}, false, selectionCommands::selectNone},
        {"invert", {2, 1, 4, 3}, std::nullopt, false, selectionCommands::invert},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        draw({"o##o.#o#", "#oo.#o##", "oo#o#.##", "#.o#oo#o"});
        document->commitSelection();
        document->setDrawingColor(background);
        select(row.selected);
        if (row.floatBy)
            document->selectionPlug().moveBy(*row.floatBy, row.keepCopy);
        expectUndoAndRedo([&] { row.command(*document); });
    }
}

TEST_F(SelectionTest, FlipsTurnsAndScalesMoveImageAndShapeTogetherAndUndoAndRedo)
{
    using namespace selectionTransforms;
    struct Row {
        const char* what;
        std::optional<Point> floatBy;
        void (*transform)(BitmapDocument&);
        Dots shown;
        Rect place;
    };
    const Row rows[] = {
        {"across",
         std::nullopt,
         [](BitmapDocument& d) {
             mirrorScale(d, {-1, 1});
         },
         {"........", "..o#....", ".#oo....", "........"},
         {1, 1, 4, 3}},
        {"down",
         std::nullopt,
         [](BitmapDocument& d) {
             mirrorScale(d, {1, -1});
         },
         {"........", ".oo#....", ".#o.....", "........"},
         {1, 1, 4, 3}},
        {"both ways, floating",
         Point{1, 0},
         [](BitmapDocument& d) {
             mirrorScale(d, {-1, -1});
         },
         {"........", "..#oo...", "...o#...", "........"},
         {2, 1, 5, 3}},
        {"a half turn",
         std::nullopt,
         [](BitmapDocument& d) { rotate(d, std::numbers::pi); },
         {"........", ".#oo....", "..o#....", "........"},
         {1, 1, 4, 3}},
        {"a quarter clockwise, about the centre",
         std::nullopt,
         [](BitmapDocument& d) { rotate(d, std::numbers::pi / 2); },
         {"........", "..o#....", "..oo....", "..#....."},
         {2, 1, 4, 4}},
        {"a quarter counter-clockwise",
         std::nullopt,
         [](BitmapDocument& d) { rotate(d, -std::numbers::pi / 2); },
         {"........", "...#....", "..oo....", "..#o...."},
         {2, 1, 4, 4}},
        {"scaled wider",
         std::nullopt,
         [](BitmapDocument& d) {
             scaleTo(d, {6, 2});
         },
         {"........", ".##oo...", ".oooo##.", "........"},
         {1, 1, 7, 3}},
        {"scaled to a negative width",
         std::nullopt,
         [](BitmapDocument& d) {
             scaleTo(d, {-3, 2});
         },
         {"........", "..o#....", ".#oo....", "........"},
         {1, 1, 4, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        document->commitSelection();
        draw({"........", ".#o.....", ".oo#....", "........"});
        select({1, 1, 4, 3});
        if (row.floatBy)
            document->selectionPlug().moveBy(*row.floatBy, false);
        expectUndoAndRedo([&] { row.transform(*document); });
        EXPECT_EQ(shown(), row.shown);
        EXPECT_EQ(document->selection()->region.bounds(), row.place);
        EXPECT_TRUE(document->selection()->floatingImage != nullptr);
        document->undo();
    }
    document->commitSelection();
    rotate(*document, 0);
    EXPECT_FALSE(document->selection()) << "no selection, nothing to turn";
}

// A new picture of size, which ends with the last of its dependents.
BitmapDocument* newPicture(Point size)
{
    auto* document = new BitmapDocument(NewParams::current());
    NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
    params.imageSize = size;
    document->newContent(params, "/nonexistent/default.rgb", "untitled");
    return document;
}

TEST(SelectionTransformsTest, ATurnedSquareGrowsToItsBoxWithoutItsCorners)
{
    BitmapDocument* document = newPicture({30, 30});
    Listener keeping(document);
    Region square;
    square.setRect(Rect::fromSize({10, 10}, {10, 10}));
    selectionCommands::select(*document, square);
    selectionTransforms::rotate(*document, std::numbers::pi / 4);
    const Region& turned = document->selection()->region;
    EXPECT_EQ(turned.bounds().width(), 14);
    EXPECT_EQ(turned.bounds().height(), 14);
    EXPECT_EQ(turned.bounds().topLeft(), (Point{8, 8})) << "about the centre";
    EXPECT_FALSE(turned.contains({8, 8}));
    EXPECT_FALSE(turned.contains({21, 21}));
    EXPECT_TRUE(turned.contains({15, 15}));
    EXPECT_EQ(document->selection()->floatingImage->extent(), (Point{14, 14}));
}

// Three dots in a column, rows 0, 5 and 10 of the shape: scaled to three rows only the middle one
// is sampled, and to two rows none.
TEST(SelectionTransformsTest, ASparseShapeScaledDownKeepsItsPixelsOnTheDotsThatStay)
{
    BitmapDocument* document = newPicture({20, 20});
    Listener keeping(document);
    Region dots;
    for (int32_t y : {4, 9, 14}) {
        document->fillRect(Rect::fromSize({3, y}, {1, 1}), paletteIndex(uint8_t(y)));
        dots.unionRect(Rect::fromSize({3, y}, {1, 1}));
    }
    selectionCommands::select(*document, dots);
    selectionTransforms::scaleTo(*document, {1, 2});
    EXPECT_EQ(document->selection()->region, dots) << "no dot stays: the selection is as it was";
    EXPECT_FALSE(document->selection()->floatingImage);
    selectionTransforms::scaleTo(*document, {1, 3});
    std::shared_ptr<SelectionRecord> scaled = document->selection();
    EXPECT_EQ(scaled->region.bounds(), Rect::fromSize({3, 5}, {1, 1}));
    ASSERT_EQ(scaled->floatingImage->extent(), (Point{1, 1}));
    EXPECT_EQ(scaled->floatingImage->pixelAt({0, 0}), paletteIndex(9)) << "the middle dot, where it stays";
}

TEST_F(SelectionTest, MovesAndModeChangesUndoAndRedo)
{
    struct Row {
        const char* what;
        std::function<void()> step;
    };
    const Row rows[] = {
        {"plain move",
         [&] {
             document->selectionPlug().moveBy({3, 1}, false);
         }},
        {"Ctrl move",
         [&] {
             document->selectionPlug().moveBy({3, 1}, true);
         }},
        {"floating Ctrl move",
         [&] {
             document->selectionPlug().moveBy({-1, 1}, true);
         }},
        {"mode", [&] { document->setPasteMode(1); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        draw({"o.o.o###", ".o.o.###", "o.o.o###", "........"});
        document->commitSelection();
        document->setPasteMode(0);
        select({0, 0, 3, 3});
        if (row.what != std::string("plain move") && row.what != std::string("Ctrl move"))
            document->selectionPlug().moveBy({3, 0}, false);
        expectUndoAndRedo(row.step);
    }
}

TEST_F(SelectionTest, SelectAllNoneAndInvertAtTheirEdges)
{
    selectionCommands::selectNone(*document);
    selectionCommands::invert(*document);
    EXPECT_EQ(document->selection(), nullptr) << "nothing to invert";
    selectionCommands::selectAll(*document);
    EXPECT_EQ(document->selection()->region.bounds(), (Rect{0, 0, 8, 4}));
    selectionCommands::invert(*document);
    EXPECT_EQ(document->selection(), nullptr) << "the whole picture inverts to nothing";
    select({-2, -2, 3, 2});
    selectionCommands::invert(*document);
    ASSERT_NE(document->selection(), nullptr);
    const Region& rest = document->selection()->region;
    EXPECT_EQ(rest.bounds(), (Rect{0, 0, 8, 4}));
    EXPECT_FALSE(rest.contains({2, 1}));
    EXPECT_TRUE(rest.contains({3, 1}));
    EXPECT_TRUE(rest.contains({0, 2}));
    selectionCommands::selectNone(*document);
    EXPECT_EQ(document->selection(), nullptr);
}

TEST_F(SelectionTest, ThePencilAndSelectNoneCommitAFloatingImage)
{
    draw({"##......", "........", "........", "........"});
    select({0, 0, 2, 1});
    document->selectionPlug().moveBy({0, 2}, false);
    selectionCommands::selectNone(*document);
    EXPECT_EQ(picture(), (Dots{"........", "........", "##......", "........"}));
    select({0, 2, 2, 3});
    document->selectionPlug().moveBy({0, 1}, false);
    PencilStroke(*document, 0).press({7, 0});
    EXPECT_EQ(document->selection(), nullptr);
    EXPECT_EQ(picture()[3], "##......");
}

TEST_F(SelectionTest, SavingWritesWhatIsSeenAndLeavesTheSelectionFloating)
{
    std::string folder = testing::TempDir() + "tilvaner-selection-" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    draw({"##......", "##......", "........", "........"});
    select({0, 0, 2, 2});
    document->selectionPlug().moveBy({5, 2}, false);
    FilePath path;
    path.setFullPath(folder + "/shown.bmp");
    ASSERT_TRUE(document->saveTo(path));
    ASSERT_TRUE(document->selection()->floatingImage);
    EXPECT_EQ(document->selection()->floatingImage->pixelAt({1, 1}), figure) << "the floating image is as it was";
    EXPECT_EQ(picture(), (Dots{"........", "........", "........", "........"}));

    auto* read = new BitmapDocument(NewParams::current());
    Listener holder(read);
    ASSERT_TRUE(read->setFile(path));
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 8; ++x)
            EXPECT_EQ(read->pixelAt({x, y}), (x >= 5 && x < 7 && y >= 2) ? figure : background) << x << "," << y;
    ASSERT_TRUE(document->setFile(path)) << "as Revert reads it again";
    EXPECT_EQ(document->selection(), nullptr) << "the selection went with the old contents";
    EXPECT_EQ(shown()[2], ".....##.");
    std::filesystem::remove_all(folder);
}

TEST_F(SelectionTest, APastedOrMovedFloatingImageIsAChangeToSave)
{
    // Save writes what is seen, so Save must be offered once a floating image changes the view.
    draw({"##......", "##......", "........", "........"});
    document->setModified(false);
    select({0, 0, 2, 2});
    EXPECT_FALSE(document->isModified()) << "a plain selection changes nothing";
    auto pasted = std::make_shared<SelectionRecord>();
    pasted->region.setRect({4, 0, 6, 2});
    pasted->floatingImage = document->copyArea({0, 0, 2, 2});
    UndoRecord::instance().beginUndo(document);
    document->selectionPlug().setSelection(pasted);
    EXPECT_TRUE(document->isModified()) << "a paste";
    document->setModified(false);
    document->selectionPlug().moveBy({1, 1}, false);
    EXPECT_TRUE(document->isModified()) << "a move of the floating image";
}

} // namespace
