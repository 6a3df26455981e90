#include "framework/DesktopFileDialogs.h"
#include "framework/FileDialogDriver.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The real save dialog, opened in one folder of the test's own while the user names another.
class DesktopFileDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        testApplication();
        folder = fs::path(testing::TempDir()) / ("tilvaner-dialogs-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "start");
        fs::create_directories(folder / "other");
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs the save dialog with step working it; answers what it chose and records what was accepted.
    std::optional<FileChoice> save(const std::function<void()>& step)
    {
        fileDialogDriver::whenOpen(step);
        FileDialogRequest request{"名前を付けて保存", "BMPファイル (*.BMP)/*.bmp/TIFFファイル (*.TIF)/*.tif/", 1, "bmp",
                                  (folder / "start" / "untitled.bmp").string()};
        return DesktopFileDialogs().chooseSaveFile(request, [this](const FileChoice& choice) {
            accepted.push_back(choice.path);
            return true;
        });
    }

    fs::path folder;
    std::vector<std::string> accepted;
};

TEST_F(DesktopFileDialogsTest, EachTypeIsShownOnceUnderItsOwnDescription)
{
    std::vector<std::string> labels;
    save([&] {
        labels = fileDialogDriver::filterLabels();
        fileDialogDriver::cancel();
    });
    EXPECT_EQ(labels, (std::vector<std::string>{"BMPファイル (*.BMP)", "TIFFファイル (*.TIF)"}));
}

TEST_F(DesktopFileDialogsTest, AnotherTypeChangesOnlyTheExtensionOfTheTypedName)
{
    const std::string other = (folder / "other").string();
    struct Row {
        std::string typed;
        std::string expected;
    } rows[] = {
        {other + "/name.bmp", other + "/name.tif"},
        {other + "/name", other + "/name.tif"},
        {"name.v1.bmp", "name.v1.tif"},
    };
    for (const Row& row : rows) {
        std::string shown;
        save([&] {
            fileDialogDriver::typeName(row.typed);
            fileDialogDriver::chooseFilter(2);
            shown = fileDialogDriver::typedName();
            fileDialogDriver::cancel();
        });
        EXPECT_EQ(shown, row.expected) << row.typed;
    }
}

TEST_F(DesktopFileDialogsTest, AFolderTypedBeforeTheTypeChangeIsWhereTheFileGoes)
{
    std::optional<FileChoice> choice = save([&] {
        fileDialogDriver::typeName((folder / "other" / "name.bmp").string());
        fileDialogDriver::chooseFilter(2);
        fileDialogDriver::accept();
    });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, (folder / "other" / "name.tif").string());
    EXPECT_EQ(choice->filterIndex, 2);
    EXPECT_EQ(accepted, (std::vector<std::string>{choice->path}));
}

} // namespace
