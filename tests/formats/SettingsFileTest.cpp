#include "formats/SettingsFile.h"
#include "formats/Backup.h"
#include "formats/IniFile.h"
#include "tests/base/ChildProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = testing::TempDir() + "tilvaner-settings-" + std::to_string(getpid());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        path = folder + "/qarvel.ini";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void write(const std::string& text) { std::ofstream(path) << text; }
    std::string read() const
    {
        std::ifstream file(path);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string folder, path;
};

TEST_F(SettingsFileTest, ChangingOneKeyKeepsEverythingElse)
{
    write("; made by hand\n[Other]\nBlock=1,1\n\n[tilvane]\nblock = 20,30 \n; a note\nEdge=3\n\n[Last]\nx=y\n");
    SettingsFile settings(path, "Tilvane");
    EXPECT_EQ(settings.readString("Block"), "20,30") << "keys and sections match without regard to case";
    EXPECT_EQ(settings.readPair("BLOCK"), (std::pair<int, int>{20, 30}));
    settings.writePair("Block", {40, 50});
    settings.writeString("Canvas", "8,9");
    settings.save();
    EXPECT_EQ(read(), "; made by hand\n[Other]\nBlock=1,1\n\n[tilvane]\nblock=40,50\n; a note\nEdge=3\nCanvas=8,9\n\n"
                      "[Last]\nx=y\n");
}

TEST_F(SettingsFileTest, TheFileIsReadWhenMadeAndWrittenOnlyBySave)
{
    write("[Tilvane]\nEdge=3\n");
    SettingsFile settings(path, "Tilvane");
    std::filesystem::remove(path);
    EXPECT_EQ(settings.readString("Edge"), "3") << "keys come from the text read at the start";
    settings.writeString("Edge", "4");
    settings.writePair("Block", {8, 8});
    EXPECT_FALSE(std::filesystem::exists(path)) << "changes wait for save";
    settings.save();
    EXPECT_EQ(read(), "[Tilvane]\nEdge=4\nBlock=8,8\n");

    std::filesystem::remove(path);
    settings.writeString("Edge", "4");
    settings.save();
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing changed, nothing written";
}

TEST_F(SettingsFileTest, CrlfLinesKeepTheirEndingsUntouchedAndRewritten)
{
    struct Row {
        const char* before;
        const char* after;
    };
    for (const Row& row : {
             Row{"; note\r\n[Other]\r\nBlock=1,1\r\n\r\n[Tilvane]\r\nBlock=20,30\r\nEdge=3\r\n[Last]\r\nx=y",
                 "; note\r\n[Other]\r\nBlock=1,1\r\n\r\n[Tilvane]\r\nBlock=40,50\r\nEdge=3\r\nCanvas=8,9\r\n"
                 "[Last]\r\nx=y"},
             Row{"[Other]\r\na=1\r\n", "[Other]\r\na=1\r\n\r\n[Tilvane]\r\nBlock=40,50\r\nCanvas=8,9\r\n"},
             Row{"[Tilvane]\nBlock=2,2\r\nz=\t1 \n", "[Tilvane]\nBlock=40,50\r\nz=\t1 \nCanvas=8,9\n"},
             Row{"[Tilvane]\r\nBlock=2,2", "[Tilvane]\r\nBlock=40,50\r\nCanvas=8,9\r\n"},
         }) {
        write(row.before);
        SettingsFile settings(path, "Tilvane");
        settings.writePair("Block", {40, 50});
        settings.writeString("Canvas", "8,9");
        settings.save();
        EXPECT_EQ(read(), row.after) << row.before;
        EXPECT_EQ(IniFile::parse(row.before).text(), row.before) << "read and written back unchanged";
    }
}

TEST_F(SettingsFileTest, AMissingFileOrSectionIsCreated)
{
    SettingsFile settings(folder + "/new/qarvel.ini", "Tilvane");
    EXPECT_EQ(settings.readString("Block"), "");
    EXPECT_EQ(settings.readPair("Block"), (std::pair<int, int>{0, 0}));
    settings.writeString("MRU-1", "/home/ユーザー/絵/a.bmp");
    EXPECT_EQ(settings.readString("MRU-1"), "/home/ユーザー/絵/a.bmp");

    write("[Other]\na=1");
    SettingsFile created(path, "Tilvane");
    created.writeString("Edge", "2");
    created.save();
    EXPECT_EQ(read(), "[Other]\na=1\n\n[Tilvane]\nEdge=2\n");
}

TEST_F(SettingsFileTest, ASettingsFileThatIsNoRegularFileReadsAsEmptyWithoutBlocking)
{
    // A FIFO nobody writes to would block an ordinary open for ever; a folder cannot be read at all.
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::optional<std::string> fifo =
        inChild([&] { return SettingsFile(path, "Tilvane").readString("Block") + "read"; }, 5);
    EXPECT_EQ(fifo, "read");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(SettingsFile(path, "Tilvane").readString("Block"), "");
}

TEST_F(SettingsFileTest, PairsReadWhatIsThereAndZeroTheRest)
{
    write("[Tilvane]\nA=7\nB=x,3\nC=-4,5,6\nD=4294967297,2\nE=3,-2147483649\n");
    SettingsFile settings(path, "Tilvane");
    EXPECT_EQ(settings.readPair("A"), (std::pair<int, int>{7, 0}));
    EXPECT_EQ(settings.readPair("D"), (std::pair<int, int>{0, 0})) << "beyond 32 bits is unreadable";
    EXPECT_EQ(settings.readPair("E"), (std::pair<int, int>{3, 0}));
    EXPECT_EQ(settings.readPair("B"), (std::pair<int, int>{0, 0}));
    EXPECT_EQ(settings.readPair("C"), (std::pair<int, int>{-4, 5}));
}

TEST_F(SettingsFileTest, TheApplicationFileLivesInTheConfigurationFolder)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    std::string old = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    EXPECT_EQ(SettingsFile::application().path(), folder + "/qarvel.ini");
    if (saved)
        setenv("XDG_CONFIG_HOME", old.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SettingsFileTest, BackupSettingsRoundTrip)
{
    write("[Tilvane]\nBackupLevel=12\nBackupDirectory=old pictures\n");
    SettingsFile settings(path, "Tilvane");
    BackupSettings backups;
    loadBackupSettings(settings, backups);
    EXPECT_EQ(backups.level, 9);
    EXPECT_EQ(backups.directory, "old pictures");
    backups.level = 3;
    saveBackupSettings(settings, backups);
    BackupSettings again;
    loadBackupSettings(settings, again);
    EXPECT_EQ(again.level, 3);
    EXPECT_EQ(again.directory, "old pictures");
}

} // namespace
