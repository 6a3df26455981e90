#include "app/Help.h"
#include "base/ScopedService.h"
#include "base/ScriptedMessageBox.h"
#include "framework/DesktopServices.h"
#include "framework/HelpViewer.h"
#include "resources/StringTable.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Records what the program hands to the desktop, and takes it or not as told.
class RecordingDesktop : public DesktopServices {
public:
    bool openUrl(const std::string& url) override
    {
        opened.push_back(url);
        return accepts;
    }
    bool openFile(const std::string& path) override
    {
        opened.push_back(path);
        return accepts;
    }
    std::vector<std::string> opened;
    bool accepts = true;

private:
    ScopedService<installDesktopServices> m_installed{this};
};

// A program folder and a data folder of the test's own.
class HelpTest : public testing::Test {
protected:
    void SetUp() override
    {
        testApplication();
        folder = fs::path(testing::TempDir()) / ("tilvaner-help-" + std::to_string(getpid()) + "-" +
                                                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "bin");
        fs::create_directories(folder / "share");
    }
    void TearDown() override
    {
        helpViewer::close();
        fs::remove_all(folder);
    }

    fs::path write(const fs::path& path, const std::string& title = "") const
    {
        std::ofstream(path) << "<html><head><title>" << title << "</title></head><body></body></html>";
        return path;
    }

    fs::path program() const { return folder / "bin" / "tilvaner"; }
    fs::path data() const { return folder / "share"; }

    fs::path folder;
    RecordingDesktop desktop;
    ScriptedMessageBox messages;
};

TEST_F(HelpTest, TheFileBesideTheProgramComesBeforeTheInstalledOne)
{
    fs::path beside = write(folder / "bin" / "tilvaner.html");
    fs::path installed = write(data() / "tilvaner.html");

    EXPECT_TRUE(help::openHelp(program(), data()));
    fs::remove(beside);
    EXPECT_TRUE(help::openHelp(program(), data()));
    EXPECT_EQ(desktop.opened, (std::vector<std::string>{beside.string(), installed.string()}));
    EXPECT_TRUE(messages.requests().empty());
    EXPECT_EQ(helpViewer::shownTitle(), "") << "the browser showed it, so the program's own viewer stays shut";
}

TEST_F(HelpTest, TheHelpFileIsNamedAfterTheProgramWithItsExtensionReplaced)
{
    fs::path beside = write(folder / "bin" / "tilvaner.html");
    write(folder / "bin" / "tilvaner.exe.html");
    EXPECT_EQ(help::findHelpFile(folder / "bin" / "tilvaner.exe", data()), beside);
    EXPECT_EQ(help::findHelpFile(folder / "bin" / "other", data()), std::nullopt)
        << "another program's help is not this one's";
    fs::create_directories(folder / "bin" / "dir.html");
    EXPECT_EQ(help::findHelpFile(folder / "bin" / "dir", data()), std::nullopt) << "a folder is no help file";
}

TEST_F(HelpTest, AMissingHelpFileIsReportedWhereItWasFirstLookedFor)
{
    EXPECT_FALSE(help::openHelp(program(), data()));
    EXPECT_TRUE(desktop.opened.empty());
    ASSERT_EQ(messages.messageIds(), (std::vector<int>{messages::readFailed}));
    EXPECT_NE(messages.requests()[0].body.find((folder / "bin" / "tilvaner.html").string()), std::string::npos)
        << messages.requests()[0].body;
}

TEST_F(HelpTest, WithoutABrowserTheProgramShowsThePageItself)
{
    write(data() / "tilvaner.html", "Tilvanerのヘルプ");
    desktop.accepts = false;
    EXPECT_TRUE(help::openHelp(program(), data()));
    EXPECT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(helpViewer::shownTitle(), "Tilvanerのヘルプ");
    EXPECT_TRUE(messages.requests().empty());

    // Asking again brings the same window to the page the desktop still refuses.
    write(data() / "tilvaner.html", "改訂版");
    EXPECT_TRUE(help::openHelp(program(), data()));
    EXPECT_EQ(helpViewer::shownTitle(), "改訂版");
}

TEST_F(HelpTest, TheViewerRefusesWhatItCannotRead)
{
    // Help only asks for files it found, so the viewer is asked directly here.
    fs::create_directories(folder / "dir.html");
    for (const fs::path& page : {folder / "missing.html", folder / "dir.html"}) {
        EXPECT_FALSE(helpViewer::show(page.string())) << page;
        EXPECT_EQ(helpViewer::shownTitle(), "") << page;
    }
}

TEST_F(HelpTest, TheRunningProgramLooksBesideItsOwnFile)
{
    // The test program has no help of its own, so the report names the place it looked first.
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    ASSERT_FALSE(error);
    EXPECT_FALSE(help::openHelp());
    ASSERT_EQ(messages.messageIds(), (std::vector<int>{messages::readFailed}));
    EXPECT_NE(messages.requests()[0].body.find(fs::path(self).replace_extension(".html").string()), std::string::npos)
        << messages.requests()[0].body;
}

} // namespace
