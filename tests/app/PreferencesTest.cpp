#include "app/Preferences.h"
#include "base/ScriptedMessageBox.h"
#include "document/NewParams.h"
#include "formats/Backup.h"
#include "formats/SettingsFile.h"
#include "framework/ColorChooser.h"
#include "framework/ScriptedDialogs.h"
#include "framework/ScriptedFolderChooser.h"
#include "resources/DialogTemplates.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"
#include "views/ZoomSteps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

constexpr int newPage = 0;
constexpr int backupPage = 1;
constexpr int zoomPage = 2;

// Runs the sheet over a settings file of its own and puts back the settings in use afterwards.
class PreferencesTest : public testing::Test {
protected:
    PreferencesTest()
    {
        testApplication();
        m_file.writeString("Block", "8,12");
        m_file.writeString("Canvas", "640,480");
        m_file.writeString("Mesh", "10,20,3");
        m_file.writeString("Palette", "1f");
        m_file.writeString("BackColor", "1,2,3");
        m_file.writeString("Edge", "7");
        m_file.writeString("Offset", "5,6,1");
        m_file.writeString("Other", "kept");
        m_file.save();
        BackupSettings::current() = {3, "/backups"};
        ZoomSteps::mainSteps() = ZoomSteps({1, 2, 4, 8, 16}, 1, 16);
        ZoomSteps::subSteps() = ZoomSteps({1, 2, 3}, 1, 8);
    }

    ~PreferencesTest() override
    {
        std::filesystem::remove(m_path);
        BackupSettings::current() = m_backup;
        ZoomSteps::mainSteps() = m_main;
        ZoomSteps::subSteps() = m_sub;
        loadNewParams(SettingsFile(m_path, "Tilvane"), NewParams::current());
    }

    void run(ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        runPreferences(m_file);
        EXPECT_EQ(script.shownCount(), 1);
    }

    std::string fileText() const
    {
        std::ifstream in(m_path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string m_path = testing::TempDir() + "tilvaner-preferences-" + std::to_string(getpid()) + ".ini";
    SettingsFile m_file{m_path, "Tilvane"};

private:
    BackupSettings m_backup = BackupSettings::current();
    ZoomSteps m_main = ZoomSteps::mainSteps();
    ZoomSteps m_sub = ZoomSteps::subSteps();
};

TEST_F(PreferencesTest, ThePagesShowTheFileTheBackupSettingsAndTheZoomStepsInUse)
{
    run([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "環境設定");
        ASSERT_EQ(d.pageCount(), 3);
        EXPECT_STREQ(d.page(newPage).dialogTemplate().caption, "新規");
        const std::pair<int, const char*> fields[] = {
            {100, "8"},  {101, "12"}, {102, "640"}, {103, "480"}, {104, "10"},
            {105, "20"}, {106, "3"},  {111, "1F"},  {107, "5"},   {108, "6"},
        };
        for (auto [id, text] : fields)
            EXPECT_EQ(control(d, id, newPage).text(), text) << id;
        EXPECT_EQ(control(d, 112, newPage).color(), rgb(1, 2, 3));
        EXPECT_FALSE(control(d, 109, newPage).isChecked());
        EXPECT_TRUE(control(d, 110, newPage).isChecked());

        EXPECT_EQ(control(d, 100, backupPage).text(), "/backups");
        EXPECT_EQ(control(d, 102, backupPage).text(), "3");

        const char* zoom[] = {"1", "2", "4", "8", "16", "1", "2", "3"};
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(control(d, 100 + i, zoomPage).text(), zoom[i]) << 100 + i;
        d.press(cancelButtonId);
    });
}

TEST_F(PreferencesTest, CancelChangesNeitherTheFileNorTheSettingsInUse)
{
    std::string before = fileText();
    Listener block(&NewParams::current().blockSize);
    run([](ModalDialog& d) {
        control(d, 100, newPage).setText("32");
        control(d, 100, backupPage).setText("/elsewhere");
        control(d, 200, zoomPage).step(+3);
        d.press(cancelButtonId);
    });
    EXPECT_EQ(fileText(), before);
    EXPECT_EQ(block.count(), 0);
    EXPECT_EQ(BackupSettings::current().directory, "/backups");
    EXPECT_EQ(ZoomSteps::mainSteps().entries(), (std::vector<int32_t>{1, 2, 4, 8, 16}));
}

TEST_F(PreferencesTest, OkWritesEveryPageToTheFileAndPutsItInUse)
{
    ScriptedFolderChooser folders;
    folders.answerNext("/chosen/folder");
    Listener block(&NewParams::current().blockSize);
    NewParams::current().edgeWidth.setValue(30);
    run([](ModalDialog& d) {
        control(d, 101, newPage).setText("64");
        control(d, 106, newPage).setText("fe");
        control(d, 109, newPage).click();
        control(d, 101, backupPage).click();
        control(d, 103, backupPage).step(+10);
        EXPECT_EQ(control(d, 102, backupPage).text(), "9") << "the generations stop at 9";
        control(d, 200, zoomPage).step(+2);
        control(d, 207, zoomPage).step(-1);
        EXPECT_EQ(control(d, 101, zoomPage).text(), "4") << "the step above moved aside";
        d.press(okButtonId);
    });
    EXPECT_EQ(folders.requests(), std::vector<std::string>{"/backups"});

    EXPECT_EQ(m_file.readString("Block"), "8,64");
    EXPECT_EQ(m_file.readString("Mesh"), "10,20,fe");
    EXPECT_EQ(m_file.readString("Offset"), "5,6,0");
    EXPECT_EQ(m_file.readString("Edge"), "7") << "the edge width goes back as it was read";
    EXPECT_EQ(m_file.readString("Other"), "kept");
    EXPECT_EQ(m_file.readString("BackupDirectory"), "/chosen/folder");
    EXPECT_EQ(m_file.readString("BackupLevel"), "9");
    EXPECT_EQ(m_file.readString("ZoomMain"), "3,4,5,8,16");
    EXPECT_EQ(m_file.readString("ZoomSub"), "1,2,3");
    EXPECT_NE(fileText().find("ZoomMain=3,4,5,8,16\n"), std::string::npos) << "written at once";

    EXPECT_EQ(NewParams::current().blockSize.point(), (Point{8, 64}));
    EXPECT_EQ(NewParams::current().meshColourIndex.value(), 0xfe);
    EXPECT_EQ(NewParams::current().yUp.value(), 0);
    EXPECT_EQ(NewParams::current().canvasSize.point(), (Point{640, 480}));
    EXPECT_GT(block.count(), 0) << "followers of the preferences hear of the change";
    EXPECT_EQ(BackupSettings::current().directory, "/chosen/folder");
    EXPECT_EQ(BackupSettings::current().level, 9);
    EXPECT_EQ(ZoomSteps::mainSteps().entries(), (std::vector<int32_t>{3, 4, 5, 8, 16}));
    EXPECT_EQ(ZoomSteps::subSteps().entries(), (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(PreferencesTest, AnOkWhoseFileCannotBeWrittenSaysSoAndChangesNothing)
{
    std::filesystem::remove(m_path);
    std::filesystem::create_directory(m_path);
    ScriptedMessageBox messages;
    Listener block(&NewParams::current().blockSize);
    run([](ModalDialog& d) {
        control(d, 101, newPage).setText("64");
        control(d, 100, backupPage).setText("/elsewhere");
        control(d, 200, zoomPage).step(+2);
        d.press(okButtonId);
    });
    EXPECT_EQ(messages.messageIds(), (std::vector<int>{137}));
    EXPECT_EQ(block.count(), 0);
    EXPECT_EQ(BackupSettings::current().directory, "/backups");
    EXPECT_EQ(ZoomSteps::mainSteps().entries(), (std::vector<int32_t>{1, 2, 4, 8, 16}));
    EXPECT_EQ(m_file.readString("Block"), "8,12") << "the settings to write at exit are as they were";
    EXPECT_EQ(m_file.readString("BackupDirectory"), "");
}

TEST_F(PreferencesTest, TheBrowseButtonStartsAtARelativeDirectoryFromNowhereAndKeepsTheTextOnCancel)
{
    ScriptedFolderChooser folders;
    run([](ModalDialog& d) {
        control(d, 100, backupPage).setText("old");
        control(d, 101, backupPage).click();
        EXPECT_EQ(control(d, 100, backupPage).text(), "old");
        d.press(okButtonId);
    });
    EXPECT_EQ(folders.requests(), std::vector<std::string>{""});
    EXPECT_EQ(BackupSettings::current().directory, "old");
}

TEST_F(PreferencesTest, ARefusedFieldOnAnotherPageIsShownAndNothingIsWritten)
{
    std::string before = fileText();
    run([](ModalDialog& d) {
        control(d, 104, newPage).setText("1");
        control(d, 102, backupPage).setText("10");
        control(d, 200, zoomPage).step(+1);
        d.press(okButtonId);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.currentPage(), newPage);
        EXPECT_EQ(d.focusedControl(), &control(d, 104, newPage));

        control(d, 104, newPage).setText("2");
        d.press(okButtonId);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.currentPage(), backupPage);
        EXPECT_EQ(d.focusedControl(), &control(d, 102, backupPage));
        d.press(cancelButtonId);
    });
    EXPECT_EQ(fileText(), before);
    EXPECT_EQ(BackupSettings::current().level, 3);
}

} // namespace
