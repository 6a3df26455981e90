#include "cli/Cli.h"
#include "tests/formats/BmpBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

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

} // namespace
