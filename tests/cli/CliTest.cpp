#include "cli/Cli.h"
#include "cli/PictureFiles.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"
#include "tests/base/ChildProcess.h"
#include "tests/formats/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct StepsCase;

class CliTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = testing::TempDir() + "tilvaner-cli-" + std::to_string(::getpid());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string file(const std::string& name, const std::string& bytes)
    {
        std::string path = folder + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return runCli(arguments, out, err);
    }

    // The exit status followed by what went to standard error.
    std::string outcome(const std::vector<std::string>& arguments)
    {
        std::string status = std::to_string(run(arguments));
        return status + err.str();
    }

    // Each list of steps exits 2 with a line on standard error and writes nothing.
    void expectRefused(const std::string& command, const std::string& in, const std::string& output,
                       const std::vector<std::vector<std::string>>& cases)
    {
        for (const std::vector<std::string>& steps : cases) {
            std::vector<std::string> arguments{command, in, output};
            arguments.insert(arguments.end(), steps.begin(), steps.end());
            EXPECT_EQ(run(arguments), 2) << steps[0];
            EXPECT_NE(err.str().find(command + ": "), std::string::npos) << steps[0];
            EXPECT_FALSE(std::filesystem::exists(output)) << steps[0];
        }
    }

    // Runs command IN OUT with prefix and then each case's steps, and compares OUT's dots.
    void expectDots(const std::string& command, const std::string& in, const std::vector<StepsCase>& cases,
                    const std::vector<std::string>& prefix = {});

    std::string folder;
    std::ostringstream out, err;
};

BmpBuilder picture()
{
    BmpBuilder bmp{.width = 3, .height = 2, .bits = 8, .colorsUsed = 2, .colors = {0x000000, 0xFF8000}};
    bmp.rows = {{0, 1, 0}, {1, 1, 1}};
    return bmp;
}

TEST_F(CliTest, HelpExplainsTheCommandsAndTheFailures)
{
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("convert IN OUT"), std::string::npos);
    EXPECT_NE(out.str().find("standard error"), std::string::npos);
    EXPECT_NE(out.str().find("--border-fill X,Y"), std::string::npos);
    EXPECT_EQ(run({"frobnicate"}), 1);
    EXPECT_NE(err.str().find("usage"), std::string::npos);
}

TEST_F(CliTest, InfoDescribesThePicture)
{
    std::string path = file("pic.BMP", picture().bytes());
    EXPECT_EQ(run({"info", path}), 0);
    EXPECT_EQ(out.str(), "format: bmp\nwidth: 3\nheight: 2\ndepth: 8\n");
}

TEST_F(CliTest, ConvertedPicturesReadBackTheSame)
{
    std::string in = file("in.bmp", picture().bytes());
    std::string converted = folder + "/out.bmp";
    ASSERT_EQ(run({"convert", in, converted}), 0) << err.str();
    std::string again = folder + "/again.bmp";
    ASSERT_EQ(run({"convert", converted, again}), 0) << err.str();
    std::ifstream a(converted, std::ios::binary), b(again, std::ios::binary);
    std::stringstream first, second;
    first << a.rdbuf();
    second << b.rdbuf();
    EXPECT_EQ(first.str(), second.str());
    EXPECT_EQ(first.str().size(), 1078u + 2 * 4);
}

TEST_F(CliTest, PicturesGoBetweenBmpAndTiffUnchanged)
{
    std::string in = file("in.bmp", picture().bytes());
    ASSERT_EQ(run({"convert", in, folder + "/mid.TIFF"}), 0) << err.str();
    ASSERT_EQ(run({"info", folder + "/mid.TIFF"}), 0);
    EXPECT_EQ(out.str(), "format: tif\nwidth: 3\nheight: 2\ndepth: 8\n");
    ASSERT_EQ(run({"convert", folder + "/mid.TIFF", folder + "/back.bmp"}), 0) << err.str();
    ASSERT_EQ(run({"convert", in, folder + "/direct.bmp"}), 0);
    std::ifstream a(folder + "/back.bmp", std::ios::binary), b(folder + "/direct.bmp", std::ios::binary);
    std::stringstream back, direct;
    back << a.rdbuf();
    direct << b.rdbuf();
    EXPECT_EQ(back.str(), direct.str());
}

TEST_F(CliTest, FailuresPrintTheEditorsMessageAndLeaveNoOutput)
{
    std::string foreign = file("notes.txt", std::string(100, 'x'));
    EXPECT_EQ(run({"convert", foreign, folder + "/out.bmp"}), 1);
    EXPECT_EQ(err.str(), "エラー\n認識できない形式のため notes.txt を開けません。\n");
    EXPECT_FALSE(std::filesystem::exists(folder + "/out.bmp"));

    BmpBuilder huge{.width = 20000, .height = 1, .bits = 24};
    EXPECT_EQ(run({"info", file("huge.bmp", huge.bytes())}), 1);
    EXPECT_EQ(err.str(), "エラー\nこのサイズの絵ファイルはオープンできません。\n");

    EXPECT_EQ(run({"info", folder + "/missing.bmp"}), 1);
    EXPECT_EQ(err.str(), "エラー\nmissing.bmp ファイルの読み込みに失敗しました。(2)\n");

    std::string in = file("in.bmp", picture().bytes());
    EXPECT_EQ(run({"convert", in, folder + "/no/such/folder/out.bmp"}), 1);
    EXPECT_EQ(err.str(), "エラー\nout.bmp ファイルへの書き出しに失敗しました。(2)\n");
}

TEST_F(CliTest, FoldersAndFifosAreNoPicturesAndAreKeptWhenWrittenTo)
{
    std::string in = file("in.bmp", picture().bytes());
    std::filesystem::create_directory(folder + "/dir.bmp");
    ASSERT_EQ(mkfifo((folder + "/fifo.bmp").c_str(), 0600), 0);
    for (const char* name : {"dir.bmp", "fifo.bmp"}) {
        std::string path = folder + "/" + name;
        // A FIFO without a writer blocks an open that waits for one: the child is given five seconds.
        std::optional<std::string> read = inChild([&] { return outcome({"convert", path, in}); }, 5);
        EXPECT_EQ(read, "1エラー\n認識できない形式のため " + std::string(name) + " を開けません。\n");
        std::optional<std::string> written = inChild([&] { return outcome({"convert", in, path}); }, 5);
        EXPECT_EQ(written, "1エラー\n" + std::string(name) + " ファイルへの書き出しに失敗しました。(-3)\n");
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/dir.bmp"));
    EXPECT_TRUE(std::filesystem::is_fifo(folder + "/fifo.bmp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 3)
        << "no stray file";
}

// A white picture of w x h dots, 8-bit with black and white or full colour.
std::string blank(int32_t w, int32_t h, bool fullColor)
{
    BmpBuilder bmp{.width = w, .height = h, .bits = uint16_t(fullColor ? 24 : 8)};
    if (!fullColor) {
        bmp.colorsUsed = 2;
        bmp.colors = {0x000000, 0xFFFFFF};
    }
    std::vector<uint8_t> row(size_t(w) * (fullColor ? 3 : 1), fullColor ? 0xFF : 1);
    bmp.rows.assign(size_t(h), row);
    return bmp.bytes();
}

// The picture's rows as text, one character a dot: '#' where it is ink, '.' where it is not.
std::vector<std::string> dots(const std::string& path, uint8_t inkIndex = 0)
{
    PaletteModel palette;
    int format;
    std::shared_ptr<DIBImage> image = readPicture(path, palette, format);
    std::vector<std::string> rows;
    for (int32_t y = 0; y < image->extent().y; ++y) {
        std::string row;
        for (int32_t x = 0; x < image->extent().x; ++x) {
            const uint8_t* p = image->row(y) + x * (image->depth() / 8);
            bool ink = image->depth() == 8 ? p[0] == inkIndex : (p[0] != 0xFF || p[1] != 0xFF || p[2] != 0xFF);
            row += ink ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

using Rows = std::vector<std::string>;

struct StepsCase {
    std::vector<std::string> steps;
    Rows dots;
    const char* what;
};

void CliTest::expectDots(const std::string& command, const std::string& in, const std::vector<StepsCase>& cases,
                         const std::vector<std::string>& prefix)
{
    std::string output = folder + "/out.bmp";
    for (const StepsCase& c : cases) {
        std::vector<std::string> arguments{command, in, output};
        arguments.insert(arguments.end(), prefix.begin(), prefix.end());
        arguments.insert(arguments.end(), c.steps.begin(), c.steps.end());
        ASSERT_EQ(run(arguments), 0) << c.what << ": " << err.str();
        EXPECT_EQ(dots(output), c.dots) << c.what;
    }
}

TEST_F(CliTest, DrawStrokesAndLinesWithTheEditorsPensLeftToRight)
{
    std::string in = file("in.bmp", blank(10, 6, false));
    std::string out = folder + "/out.bmp";
    ASSERT_EQ(run({"draw", in, out, "--color", "0", "--pencil", "1,1,4,1,4,3", "--width", "2", "--line", "6,4,8,4"}), 0)
        << err.str();
    EXPECT_EQ(dots(out), (Rows{"..........", ".####.....", "....#.....", "....#####.", ".....####.", ".........."}))
        << "a stroke through its points; a line of width 2 covers d - 1 to d on each axis";

    ASSERT_EQ(
        run({"draw", in, out, "--color", "0", "--pen", "2", "--pencil", "0,0", "--tone", "4", "--line", "4,3,9,3"}), 0)
        << err.str();
    EXPECT_EQ(dots(out), (Rows{"##........", "#.........", "..........", "....#.#.#.", "..........", ".........."}))
        << "pen 2 is a 4 x 4 disc cut to the picture; on row 3 the checker tone lets ink through at even x";
}

TEST_F(CliTest, DrawOnAFullColourPictureTakesAnRgbColour)
{
    std::string in = file("in.bmp", blank(5, 3, true));
    std::string out = folder + "/out.bmp";
    ASSERT_EQ(run({"draw", in, out, "--color", "#102030", "--line", "0,1,4,1"}), 0) << err.str();
    EXPECT_EQ(dots(out), (Rows{".....", "#####", "....."}));
    PaletteModel palette;
    int format;
    auto image = readPicture(out, palette, format);
    const uint8_t* p = image->row(1);
    EXPECT_EQ((std::vector<int>{p[0], p[1], p[2]}), (std::vector<int>{0x30, 0x20, 0x10})) << "blue, green, red";
}

TEST_F(CliTest, DrawRefusesBadStepsWithStatusTwoAndWritesNothing)
{
    std::string in = file("in.bmp", blank(4, 4, false));
    std::string out = folder + "/out.bmp";
    expectRefused("draw", in, out,
                  {
                      {"--tone", "12"},
                      {"--pen", "-1"},
                      {"--width", "100"},
                      {"--color", "#FF0000"},
                      {"--color", "256"},
                      {"--pencil", "1,2,3"},
                      {"--line", "1,1,2"},
                      {"--pencil", "1,x"},
                      {"--spray", "1,1"},
                      {"--tone"},
                      {"--fill", "1"},
                      {"--border-fill", "1,2,3,4"},
                      {"--borders", "3,256"},
                      {"--select", "1,2,3"},
                  });
    std::string full = file("full.bmp", blank(4, 4, true));
    EXPECT_EQ(run({"draw", full, out, "--color", "7"}), 2) << "a full-colour picture takes #RRGGBB";
}

TEST_F(CliTest, DrawFillsWithTheBucketInsideTheSelection)
{
    std::string in = file("in.bmp", blank(8, 4, false));
    std::string out = folder + "/out.bmp";
    expectDots("draw", in,
               {
                   {{"--color", "0", "--line", "3,0,3,3", "--fill", "0,0"},
                    {"####....", "####....", "####....", "####...."},
                    "the area left of the line"},
                   {{"--color", "0", "--select", "1,1,6,3", "--fill", "2,2"},
                    {"........", ".#####..", ".#####..", "........"},
                    "inside the selection only"},
                   {{"--color", "0", "--select", "-3,-3,2,2", "--fill", "1,1"},
                    {"##......", "##......", "........", "........"},
                    "a selection cut to the picture"},
                   {{"--color", "0", "--select", "2,0,4,4", "--select", "none", "--fill", "7,3"},
                    {"########", "########", "########", "########"},
                    "no selection left"},
               });

    ASSERT_EQ(run({"draw", in, out, "--color", "0", "--line", "3,0,3,3", "--borders", "0,7", "--color", "2",
                   "--border-fill", "5,1"}),
              0)
        << err.str();
    EXPECT_EQ(dots(out, 2), (Rows{"....####", "....####", "....####", "....####"})) << "up to the border colour";
    ASSERT_EQ(run({"draw", in, out, "--color", "0", "--line", "3,0,3,3", "--borders", "0", "--borders", "", "--color",
                   "2", "--border-fill", "5,1"}),
              0)
        << err.str();
    EXPECT_EQ(dots(out, 2), (Rows{"########", "########", "########", "########"}))
        << "an empty list lets the border fill cross every colour";

    std::string full = file("full.bmp", blank(4, 2, true));
    ASSERT_EQ(run({"draw", full, out, "--color", "#000000", "--border-fill", "3,1"}), 0) << err.str();
    EXPECT_EQ(dots(out), (Rows{"####", "####"})) << "Shift + click on full colour fills the same colour";
}

TEST_F(CliTest, AFillTheEditorWouldBeepAtExitsOneAndWritesNothing)
{
    std::string in = file("in.bmp", blank(4, 4, false));
    std::string out = folder + "/out.bmp";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--fill", "4,0"}, "draw: --fill: 4,0 lies outside the picture\n"},
        {{"--border-fill", "0,-1"}, "draw: --border-fill: 0,-1 lies outside the picture\n"},
        {{"--select", "0,0,2,2", "--fill", "3,3"}, "draw: --fill: 3,3 lies outside the selection\n"},
    };
    for (const auto& [steps, message] : cases) {
        std::vector<std::string> arguments{"draw", in, out};
        arguments.insert(arguments.end(), steps.begin(), steps.end());
        EXPECT_EQ(outcome(arguments), "1" + message);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(CliTest, DrawFailuresPrintTheEditorsMessage)
{
    EXPECT_EQ(run({"draw", folder + "/missing.bmp", folder + "/out.bmp", "--pencil", "0,0"}), 1);
    EXPECT_EQ(err.str(), "エラー\nmissing.bmp ファイルの読み込みに失敗しました。(2)\n");
    std::string in = file("in.bmp", blank(4, 4, false));
    EXPECT_EQ(run({"draw", in, folder + "/no/such/out.bmp", "--pencil", "0,0"}), 1);
    EXPECT_EQ(err.str(), "エラー\nout.bmp ファイルへの書き出しに失敗しました。(2)\n");
}

} // namespace

namespace {

TEST_F(CliTest, SelectRunsTheSelectionStepsLeftToRightThenCommits)
{
    std::string in = file("in.bmp", blank(10, 6, false));
    expectDots(
        "select", in,
        {
            {{"--color", "0", "--rect", "1,1,4,3", "--fill", "--rect", "5,0,10,6", "--border"},
             {".....#####", ".###.#...#", ".###.#...#", ".....#...#", ".....#...#", ".....#####"},
             "a fill, then a new selection whose inner border is drawn"},
            {{"--color", "0", "--background", "1", "--rect", "0,0,2,2", "--fill", "--move", "3,1", "--move-copy",
              "0,2"},
             {"..........", "...##.....", "...##.....", "...##.....", "...##.....", ".........."},
             "a move cuts out, a Ctrl move of the floating image leaves a copy"},
            {{"--color", "0", "--all", "--fill", "--background", "1", "--rect", "2,2,4,4", "--invert", "--clear"},
             {"..........", "..........", "..##......", "..##......", "..........", ".........."},
             "the rest of the picture cleared"},
            {{"--color", "0", "--lasso", "0,0,3,0,0,3", "--fill", "--ellipse", "4,0,10,6", "--fill"},
             {"###..####.", "##..######", "#...######", "....######", "....######", ".....####."},
             "a lasso through grid corners and an ellipse"},
            {{"--color", "0", "--rect", "0,0,10,6", "--fill", "--background", "1", "--rect", "0,0,1,2", "--clear",
              "--rect", "0,0,2,2", "--mode", "1", "--move", "4,0"},
             {"..##.#####", "..##.#####", "##########", "##########", "##########", "##########"},
             "mode 1 shows the cleared dot over the figure"},
            {{"--rect", "-5,-5,0,0", "--fill", "--move", "1,1", "--none", "--invert"},
             {"..........", "..........", "..........", "..........", "..........", ".........."},
             "a selection wholly off the picture selects nothing"},
        });
}

TEST_F(CliTest, SelectFlipsTurnsAndScalesTheSelectionAsTheImageMenuDoes)
{
    std::string in = file("in.bmp", blank(10, 6, false));
    // An L in the box 1,1 - 4,4: its top row and its left column.
    std::vector<std::string> ell{"--color", "0",      "--background", "1",      "--rect", "1,1,4,2",
                                 "--fill",  "--rect", "1,2,2,4",      "--fill", "--rect", "1,1,4,4"};
    auto then = [&](std::vector<std::string> steps) {
        steps.insert(steps.begin(), ell.begin(), ell.end());
        return steps;
    };
    expectDots("select", in,
               {
                   {then({"--flip", "x"}),
                    {"..........", ".###......", "...#......", "...#......", "..........", ".........."},
                    "flipped across"},
                   {then({"--flip", "y"}),
                    {"..........", ".#........", ".#........", ".###......", "..........", ".........."},
                    "flipped down"},
                   {then({"--rotate", "180"}),
                    {"..........", "...#......", "...#......", ".###......", "..........", ".........."},
                    "a half turn"},
                   {then({"--rotate-ccw", "90.5"}),
                    {"..........", ".#........", ".#........", ".###......", "..........", ".........."},
                    "a quarter turn counter-clockwise"},
                   {then({"--rotate", "90", "--move", "5,0"}),
                    {"..........", "......###.", "........#.", "........#.", "..........", ".........."},
                    "a quarter turn stays floating and moves"},
                   {then({"--scale", "6,3"}),
                    {"..........", ".######...", ".##.......", ".##.......", "..........", ".........."},
                    "scaled to twice the width"},
                   {then({"--scale", "-3,5"}),
                    {"..........", ".###......", ".###......", "...#......", "...#......", "...#......"},
                    "a negative width mirrors, rows 0, 0, 1, 2, 2 of three"},
               });
    std::string out = folder + "/unwritten.bmp";
    EXPECT_EQ(outcome({"select", in, out, "--none", "--flip", "x"}), "1select: --flip: nothing is selected\n");
    EXPECT_EQ(outcome({"select", in, out, "--scale", "2,2"}), "1select: --scale: nothing is selected\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliTest, SelectOutlinesTheShapesAndResizesTheCanvas)
{
    std::string in = file("in.bmp", blank(10, 6, false));
    // One dot of ink at 4,2; the outline takes the ink too.
    std::vector<std::string> dot{"--color", "0", "--background", "1", "--rect", "4,2,5,3", "--fill"};
    expectDots("select", in,
               {
                   {{"--all", "--edge", "1"},
                    {"..........", "...###....", "...###....", "...###....", "..........", ".........."},
                    "with corners a square"},
                   {{"--all", "--edge", "2,nocorners"},
                    {"....#.....", "...###....", "..#####...", "...###....", "....#.....", ".........."},
                    "without corners a diamond"},
                   {{"--rect", "4,0,10,6", "--edge", "1"},
                    {"..........", "....##....", "....##....", "....##....", "..........", ".........."},
                    "cut at the selection's edge"},
                   {{"--canvas", "6,4"}, {"......", "..#...", "......", "......"}, "cut about the centre"},
                   {{"--background", "0", "--canvas", "12,7,8"},
                    {"############", "##..........", "##..........", "##....#.....", "##..........", "##..........",
                     "##.........."},
                    "extended about the bottom-right corner with the background colour"},
               },
               dot);
    std::string out = folder + "/unwritten.bmp";
    EXPECT_EQ(outcome({"select", in, out, "--edge", "1"}), "1select: --edge: nothing is selected\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliTest, SelectReplacesColoursByIndexInsideTheSelection)
{
    std::string in = file("in.bmp", blank(8, 4, false));
    // Index 5 on the left, 6 on the right, 16 along the bottom row; '#' is index 0.
    std::vector<std::string> paint{"--color", "5",      "--rect",  "0,0,4,3", "--fill", "--color", "6",     "--rect",
                                   "4,0,8,3", "--fill", "--color", "16",      "--rect", "0,3,8,4", "--fill"};
    expectDots("select", in,
               {
                   {{"--rect", "2,1,6,4", "--replace", "5,6/0"},
                    {"........", "..####..", "..####..", "........"},
                    "the targets inside the selection"},
                   {{"--rect", "2,1,6,4", "--replace", "6/0,3"},
                    {"........", ".....#..", "....#...", "........"},
                    "two results as a checkerboard, the first where x + y is even"},
                   {{"--rect", "1,2,5,4", "--renumber", "7"},
                    {"........", "........", "........", ".####..."},
                    "each dot to row 0 in its column"},
               },
               paint);
    std::string full = file("full.bmp", blank(4, 4, true));
    std::string out = folder + "/unwritten.bmp";
    EXPECT_EQ(outcome({"select", full, out, "--all", "--replace", "1/2"}),
              "1select: --replace: a full-colour picture has no palette to replace by\n");
    EXPECT_EQ(outcome({"select", in, out, "--renumber", "3"}), "1select: --renumber: nothing is selected\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliTest, SelectRefusesBadStepsWithStatusTwoAndWritesNothing)
{
    std::string in = file("in.bmp", blank(4, 4, false));
    std::string out = folder + "/out.bmp";
    expectRefused("select", in, out,
                  {
                      {"--rect", "1,2,3"},
                      {"--ellipse", "1,2,3,4,5,6"},
                      {"--lasso", "0,0,1,1"},
                      {"--mode", "4"},
                      {"--move", "1"},
                      {"--move-copy"},
                      {"--tone", "-1"},
                      {"--background", "#FFFFFF"},
                      {"--all", "--wand"},
                      {"--all", "--flip", "z"},
                      {"--all", "--rotate", "1e3"},
                      {"--all", "--rotate-ccw", "1234567"},
                      {"--all", "--scale", "0,3"},
                      {"--all", "--scale", "10001,1"},
                      {"--all", "--edge", "0"},
                      {"--all", "--edge", "65"},
                      {"--all", "--edge", "2,corners"},
                      {"--canvas", "0,5"},
                      {"--canvas", "5,10001"},
                      {"--canvas", "5,5,9"},
                      {"--canvas", "5"},
                      {"--all", "--replace", "1,2"},
                      {"--all", "--replace", "1/2,3,4"},
                      {"--all", "--replace", "/2"},
                      {"--all", "--renumber", "256"},
                  });
    EXPECT_EQ(run({"select", in}), 2);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(this->out.str().find("edit IN OUT"), std::string::npos);
    EXPECT_NE(this->out.str().find("--canvas W,H[,A]"), std::string::npos);
}

} // namespace

namespace {

TEST_F(CliTest, SelectCopiesCutsAndPastesThroughDibFiles)
{
    std::string in = file("in.bmp", blank(6, 4, false));
    std::string out = folder + "/out.bmp";
    std::string dib = folder + "/copy.dib";
    ASSERT_EQ(run({"select", in, out, "--color", "0", "--background", "1", "--rect", "0,0,2,2", "--fill", "--copy", dib,
                   "--cut"}),
              0)
        << err.str();
    EXPECT_EQ(dots(out), (Rows{"......", "......", "......", "......"})) << "the cut leaves the background";
    std::ifstream copied(dib, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(copied), std::istreambuf_iterator<char>()};
    ASSERT_EQ(bytes.size(), 40u + 1024 + 2 * 4);
    EXPECT_EQ(bytes.substr(1064), std::string(8, '\0')) << "two rows of two ink dots, zero padding";

    expectDots(
        "select", in,
        {
            {{"--paste", dib, "--marked", "--at", "3,1"}, {"......", "...##.", "...##.", "......"}, "at a place"},
            {{"--paste", dib}, {"......", "..##..", "..##..", "......"}, "around the middle"},
            {{"--paste", file("p.bmp", picture().bytes()), "--at", "0,0"},
             {"......", "#.#...", "......", "......"},
             "a BMP file at the nearest colours"},
        },
        {"--background", "1"});
}

TEST_F(CliTest, APasteTheEditorWouldIgnoreExitsOneAndWritesNothing)
{
    std::string in = file("in.bmp", blank(4, 4, false));
    std::string out = folder + "/out.bmp";
    for (const std::string& source :
         {folder + "/missing.dib", file("text.dib", "not a picture at all, but long enough")}) {
        EXPECT_EQ(run({"select", in, out, "--paste", source}), 1) << source;
        EXPECT_NE(err.str().find("select: --paste"), std::string::npos) << err.str();
        EXPECT_FALSE(std::filesystem::exists(out)) << source;
    }
    EXPECT_EQ(run({"select", in, out, "--paste", in, "--at", "1"}), 2);
    EXPECT_EQ(run({"select", in, out, "--copy"}), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace

namespace {

TEST_F(CliTest, PaletteListsAndMovesEntriesKeepingThePictureAsItLooks)
{
    // Dots 0 1 0 / 1 1 1 over entries 0 = black and 1 = orange (0xFF8000 as R G B).
    std::string in = file("in.bmp", picture().bytes());
    EXPECT_EQ(run({"palette", "list", in}), 0) << err.str();
    std::string listed = out.str();
    EXPECT_EQ(listed.substr(0, 20), "0 0 0 0\n1 255 128 0\n");
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 256);

    std::string moved = folder + "/moved.bmp";
    EXPECT_EQ(run({"palette", "move", in, moved, "--entries", "1,0", "--by", "5"}), 0) << err.str();
    PaletteModel palette;
    int format = 0;
    std::shared_ptr<DIBImage> image = readPicture(moved, palette, format);
    EXPECT_EQ(palette.colorAt(5), rgb(0, 0, 0));
    EXPECT_EQ(palette.colorAt(6), rgb(255, 128, 0));
    // The file's bottom row 0 1 0 is the picture's row 1.
    EXPECT_EQ(image->row(1)[0], 5);
    EXPECT_EQ(image->row(1)[1], 6);
    EXPECT_EQ(image->row(0)[0], 6);
    EXPECT_EQ(palette.colorAt(0), rgb(0, 0, 0)) << "the entries they landed on filled their places";
}

TEST_F(CliTest, PaletteRefusesWhatItCannotDoAndWritesNothing)
{
    std::string in = file("in.bmp", picture().bytes());
    std::string output = folder + "/out.bmp";
    for (const std::vector<std::string>& steps : std::vector<std::vector<std::string>>{
             {"--entries", "1"},
             {"--by", "1"},
             {"--entries", "250,255", "--by", "1"},
             {"--entries", "0", "--by", "-1"},
             {"--entries", "256", "--by", "1"},
             {"--entries", "1", "--by", "1", "--order"},
             {"--entries", "1", "--shift", "1"},
         }) {
        std::vector<std::string> arguments{"palette", "move", in, output};
        arguments.insert(arguments.end(), steps.begin(), steps.end());
        EXPECT_EQ(run(arguments), 2) << steps.back();
        EXPECT_NE(err.str().find("palette move: "), std::string::npos) << steps.back();
        EXPECT_FALSE(std::filesystem::exists(output)) << steps.back();
    }
    EXPECT_EQ(run({"palette", "shuffle", in}), 2);
    EXPECT_EQ(run({"palette", "move", folder + "/missing.bmp", output, "--entries", "1"}), 2)
        << "arguments are refused before the picture is read";
    std::string rgbPicture = file("rgb.bmp", blank(2, 2, true));
    EXPECT_EQ(run({"palette", "list", rgbPicture}), 1);
    EXPECT_EQ(err.str(), "palette list: the picture has no palette (it is full colour)\n");
    EXPECT_EQ(run({"palette", "move", rgbPicture, output, "--entries", "1", "--by", "1"}), 1);
    EXPECT_FALSE(std::filesystem::exists(output));
}

} // namespace

namespace {

TEST_F(CliTest, PaletteConvertGoesBetweenEveryFormatAndRefusesWhatItCannotRead)
{
    std::string gpl =
        file("in.gpl", "GIMP Palette\r\nName: hand\r\n# made by hand\r\n255 128   0 orange\r\n  0  0 255\tblue");
    std::string chain[] = {gpl,
                           folder + "/a.act",
                           folder + "/b.pal",
                           folder + "/c.ase",
                           folder + "/d.pal",
                           folder + "/e.rgb",
                           folder + "/f.hex"};
    for (size_t i = 1; i < std::size(chain); ++i) {
        std::vector<std::string> arguments{"palette", "convert", chain[i - 1], chain[i]};
        if (i == 2)
            arguments.push_back("--riff");
        EXPECT_EQ(run(arguments), 0) << chain[i] << ": " << err.str();
    }
    std::ifstream hex(chain[6]);
    std::string text((std::istreambuf_iterator<char>(hex)), std::istreambuf_iterator<char>());
    // The table of an .act keeps all 256 entries, the first two of them coloured.
    EXPECT_EQ(text.substr(0, 14), "FF8000\n0000FF\n");
    // A picture gives its colour table: the two colours it uses.
    std::string table = folder + "/table.hex";
    EXPECT_EQ(run({"palette", "convert", file("picture.bmp", picture().bytes()), table}), 0) << err.str();
    std::ifstream tableText(table);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(tableText)), std::istreambuf_iterator<char>()),
              "000000\nFF8000\n");

    std::string output = folder + "/out.gpl";
    EXPECT_EQ(run({"palette", "convert", file("short.rgb", "ab"), output}), 1);
    EXPECT_NE(err.str().find("ファイルのデータが足りません"), std::string::npos) << err.str();
    EXPECT_EQ(run({"palette", "convert", file("odd.gpl", "GIMP Palette\nnot a colour\n"), output}), 1);
    EXPECT_NE(err.str().find("認識できない形式"), std::string::npos) << err.str();
    EXPECT_EQ(run({"palette", "convert", file("rgb.bmp", blank(2, 2, true)), output}), 1);
    EXPECT_NE(err.str().find("認識できない形式"), std::string::npos) << "a full-colour picture has no table";
    EXPECT_EQ(run({"palette", "convert", gpl, folder + "/out.txt"}), 2);
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(CliTest, PaletteSaveWritesFlaggedRowsAndLoadPlacesABlockWithTheDotsUntouched)
{
    std::string in = file("in.bmp", picture().bytes());
    std::string hex = folder + "/rows.hex";
    EXPECT_EQ(run({"palette", "save", in, hex, "--rows", "0,2"}), 0) << err.str();
    std::ifstream saved(hex);
    std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 32) << "two rows of 16";
    EXPECT_EQ(text.substr(0, 14), "000000\nFF8000\n");

    std::string gpl = file("two.gpl", "GIMP Palette\n1 2 3\n4 5 6\n");
    std::string out = folder + "/out.bmp";
    EXPECT_EQ(run({"palette", "load", in, gpl, out, "--at", "10"}), 0) << err.str();
    PaletteModel palette;
    int format = 0;
    std::shared_ptr<DIBImage> image = readPicture(out, palette, format);
    EXPECT_EQ(palette.colorAt(10), rgb(1, 2, 3));
    EXPECT_EQ(palette.colorAt(11), rgb(4, 5, 6));
    EXPECT_EQ(palette.colorAt(1), rgb(255, 128, 0));
    EXPECT_EQ(image->row(1)[1], 1) << "the dots keep their entries";

    std::string refused = folder + "/refused.bmp";
    EXPECT_EQ(run({"palette", "load", in, gpl, refused, "--at", "255"}), 2);
    EXPECT_EQ(run({"palette", "save", in, folder + "/x.gpl", "--rows", "16"}), 2);
    EXPECT_EQ(run({"palette", "save", file("rgb.bmp", blank(2, 2, true)), folder + "/y.gpl"}), 1);
    EXPECT_EQ(run({"palette", "load", file("rgb2.bmp", blank(2, 2, true)), gpl, refused}), 1);
    EXPECT_FALSE(std::filesystem::exists(refused));
}

TEST_F(CliTest, EditChainsStepsOfEveryKindUnderItsThreeNames)
{
    std::string in = file("in.bmp", blank(6, 3, false));
    // --fill with X,Y after it is the bucket, without it the selection's fill.
    expectDots("edit", in,
               {
                   {{"--color", "0", "--rect", "1,0,3,2", "--fill", "--rect", "4,1,6,3", "--border"},
                    {".##...", ".##.##", "....##"},
                    "a selection fill and a border"},
                   {{"--color", "0", "--fill", "5,2"}, {"######", "######", "######"}, "the bucket"},
                   {{"--color", "0", "--background", "1", "--pencil", "0,0,2,0", "--rect", "0,0,3,1", "--flip", "x",
                     "--move", "3,2"},
                    {"......", "......", "...###"},
                    "drawing, selection and image steps in one chain"},
               });
    for (const char* name : {"draw", "select"}) {
        ASSERT_EQ(run({name, in, folder + "/alias.bmp", "--color", "0", "--rect", "0,0,1,1", "--fill"}), 0)
            << name << ": " << err.str();
        EXPECT_EQ(dots(folder + "/alias.bmp"), (Rows{"#.....", "......", "......"})) << name;
    }

    // Entry 0 moved to 5 takes its dots along; a one-colour file goes to entry 3.
    std::string gpl = file("one.gpl", "GIMP Palette\n1 2 3\n");
    std::string out = folder + "/palette.bmp";
    ASSERT_EQ(run({"edit", in, out, "--color", "0", "--pencil", "0,0", "--palette-move", "0:5", "--palette-load",
                   gpl + ",3"}),
              0)
        << err.str();
    EXPECT_EQ(dots(out, 5), (Rows{"#.....", "......", "......"}));
    PaletteModel palette;
    int format = 0;
    readPicture(out, palette, format);
    EXPECT_EQ(palette.colorAt(5), rgb(0, 0, 0));
    EXPECT_EQ(palette.colorAt(3), rgb(1, 2, 3));

    std::string full = file("full.bmp", blank(2, 2, true));
    EXPECT_EQ(outcome({"edit", full, out, "--palette-move", "0:1"}),
              "1edit: --palette-move: the picture has no palette (it is full colour)\n");
    expectRefused("edit", in, folder + "/refused.bmp",
                  {{"--palette-move", "1,2"},
                   {"--palette-move", "250:10"},
                   {"--palette-load", gpl + ",300"},
                   {"--fill", "1,1,1"}});

    EXPECT_EQ(run({"edit", "--help"}), 0);
    std::string help = this->out.str();
    for (const char* group : {"settings", "selection", "drawing", "clipboard", "image", "palette"})
        EXPECT_NE(help.find("    " + std::string(group)), std::string::npos) << group;
}

} // namespace
