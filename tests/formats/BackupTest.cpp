#include "formats/Backup.h"
#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/ScriptedMessageBox.h"
#include "formats/ReplacingWrite.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class BackupTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = testing::TempDir() + "tilvaner-backup-" + std::to_string(getpid());
        fs::remove_all(folder);
        fs::create_directories(folder);
        saved = BackupSettings::current();
    }
    void TearDown() override
    {
        BackupSettings::current() = saved;
        fs::remove_all(folder);
    }

    FilePath path(const std::string& name) const
    {
        FilePath file;
        file.setInDirectory(name, folder);
        return file;
    }
    void write(const std::string& name, const std::string& text) const { std::ofstream(folder + "/" + name) << text; }
    std::string read(const std::string& name) const
    {
        std::ifstream file(folder + "/" + name);
        std::stringstream text;
        text << file.rdbuf();
        return file ? text.str() : "(missing)";
    }
    // Saves text as name the way the save flow does: backups first, then the new contents.
    void save(const std::string& name, const std::string& text)
    {
        FilePath file = path(name);
        backupBeforeSave(file);
        writeReplacing(file, [&](FilePath& out) {
            out.createForWrite();
            out.write(text.data(), text.size());
        });
    }

    std::string folder;
    BackupSettings saved;
    ScriptedMessageBox box;
};

TEST_F(BackupTest, EachSaveShiftsTheChainAndTheOldestFallsOff)
{
    BackupSettings::current() = {1, ""};
    save("a.bmp", "v1");
    EXPECT_EQ(read("~backup.bmp"), "(missing)") << "a new file makes no backup";
    save("a.bmp", "v2");
    EXPECT_EQ(read("~backup.bmp"), "v1");
    save("a.bmp", "v3");
    EXPECT_EQ(read("~backup.bmp"), "v2");
    EXPECT_EQ(read("~backup1.bmp"), "v1");
    save("a.bmp", "v4");
    EXPECT_EQ(read("a.bmp"), "v4");
    EXPECT_EQ(read("~backup.bmp"), "v3");
    EXPECT_EQ(read("~backup1.bmp"), "v2");
    EXPECT_EQ(read("~backup2.bmp"), "(missing)");
    EXPECT_TRUE(box.requests().empty());

    // Between the backup and the replacement, the name still holds the whole picture.
    backupBeforeSave(path("a.bmp"));
    EXPECT_EQ(read("a.bmp"), "v4");
    EXPECT_EQ(read("~backup.bmp"), "v4");
}

TEST_F(BackupTest, FilesShareTheChainOfTheirExtensionOnly)
{
    BackupSettings::current() = {0, ""};
    write("a.bmp", "a");
    write("b.bmp", "b");
    write("c.tif", "c");
    save("a.bmp", "a2");
    save("b.bmp", "b2");
    save("c.tif", "c2");
    EXPECT_EQ(read("~backup.bmp"), "b") << "level 0 keeps exactly one";
    EXPECT_EQ(read("~backup1.bmp"), "(missing)");
    EXPECT_EQ(read("~backup.tif"), "c");
}

TEST_F(BackupTest, ALinkKeepsLeadingToTheSavedFileAndTheBackupHoldsTheOldContents)
{
    BackupSettings::current() = {1, ""};
    fs::create_directory(folder + "/real");
    write("real/a.bmp", "v1");
    fs::create_symlink("real/a.bmp", folder + "/link.bmp");
    save("link.bmp", "v2");
    EXPECT_TRUE(fs::is_symlink(folder + "/link.bmp"));
    EXPECT_EQ(read("real/a.bmp"), "v2");
    EXPECT_FALSE(fs::is_symlink(folder + "/~backup.bmp"));
    EXPECT_EQ(read("~backup.bmp"), "v1");
}

TEST_F(BackupTest, AGapStopsTheSearch)
{
    BackupSettings::current() = {3, ""};
    write("~backup.bmp", "g0");
    write("~backup2.bmp", "g2");
    write("a.bmp", "now");
    save("a.bmp", "next");
    EXPECT_EQ(read("~backup.bmp"), "now");
    EXPECT_EQ(read("~backup1.bmp"), "g0");
    EXPECT_EQ(read("~backup2.bmp"), "g2");
}

TEST_F(BackupTest, AFolderOfItsOwnMustExist)
{
    BackupSettings::current() = {1, folder + "/old"};
    write("a.bmp", "first");
    box.answerNext(alertAnswer::ok); // 142 is only information
    box.answerNext(alertAnswer::no);
    EXPECT_THROW(save("a.bmp", "second"), RaisedError);
    EXPECT_EQ(box.messageIds(), (std::vector<int>{messages::noBackupFolder, messages::backupFailed}));
    EXPECT_EQ(read("a.bmp"), "first");

    fs::create_directory(folder + "/old");
    save("a.bmp", "second");
    EXPECT_EQ(read("old/~backup.bmp"), "first");
    EXPECT_EQ(read("a.bmp"), "second");
}

TEST_F(BackupTest, ARelativeFolderIsTakenFromTheRoot)
{
    fs::create_directory(folder + "/old");
    BackupSettings::current() = {1, folder.substr(1) + "/old"}; // the same folder, written without its "/"
    write("a.bmp", "first");
    save("a.bmp", "second");
    EXPECT_EQ(read("old/~backup.bmp"), "first");
}

TEST_F(BackupTest, SavingAnywayWithoutABackupStillKeepsTheOldFileOnFailure)
{
    BackupSettings::current() = {1, folder + "/nowhere"};
    write("a.bmp", "precious");
    box.answerNext(alertAnswer::ok); // 142 is only information
    box.answerNext(alertAnswer::yes);
    FilePath file = path("a.bmp");
    backupBeforeSave(file);
    EXPECT_THROW(writeReplacing(file,
                                [](FilePath& out) {
                                    out.createForWrite();
                                    out.write("half", 4);
                                    raiseError(errorDiskFull);
                                }),
                 RaisedError);
    EXPECT_EQ(read("a.bmp"), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no stray file";
}

TEST_F(BackupTest, ABackupFolderOnAnotherFileSystemStillTakesTheChain)
{
    std::string other = "/dev/shm/tilvaner-backup-" + std::to_string(getpid());
    if (!fs::exists("/dev/shm"))
        GTEST_SKIP();
    struct stat here, there;
    fs::create_directories(other);
    stat(folder.c_str(), &here);
    stat(other.c_str(), &there);
    if (here.st_dev == there.st_dev) {
        fs::remove_all(other);
        GTEST_SKIP() << "/dev/shm is on the same file system here";
    }
    BackupSettings::current() = {1, other};
    write("a.bmp", "v1");
    save("a.bmp", "v2");
    save("a.bmp", "v3");
    std::ifstream first(other + "/~backup1.bmp"), second(other + "/~backup.bmp");
    std::string older, newer;
    std::getline(first, older);
    std::getline(second, newer);
    fs::remove_all(other);
    EXPECT_EQ(older, "v1");
    EXPECT_EQ(newer, "v2");
    EXPECT_EQ(read("a.bmp"), "v3");
    EXPECT_TRUE(box.requests().empty());
}

TEST_F(BackupTest, AFileNamedLikeTheChainIsNeverShiftedAway)
{
    BackupSettings::current() = {2, ""};
    write("~backup.bmp", "mine");
    box.answerNext(alertAnswer::no);
    EXPECT_THROW(save("~backup.bmp", "new"), RaisedError);
    EXPECT_EQ(box.messageIds(), std::vector<int>{messages::backupFailed});
    EXPECT_EQ(read("~backup.bmp"), "mine");
    EXPECT_EQ(read("~backup1.bmp"), "(missing)");
}

TEST_F(BackupTest, WriteProtectedFilesStopTheSave)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes anything";
    write("a.bmp", "locked");
    fs::permissions(folder + "/a.bmp", fs::perms::owner_read);
    EXPECT_THROW(save("a.bmp", "new"), RaisedError);
    EXPECT_EQ(box.messageIds(), std::vector<int>{messages::writeProtected});
    EXPECT_EQ(read("a.bmp"), "locked");
}

TEST(BackupNameTest, NamesAndLevelsFollowTheirRules)
{
    EXPECT_EQ(backupName(0, "bmp"), "~backup.bmp");
    EXPECT_EQ(backupName(9, "tif"), "~backup9.tif");
    EXPECT_EQ(backupName(1, ""), "~backup1");
    EXPECT_EQ(BackupSettings::levelFromSetting("12"), 9);
    EXPECT_EQ(BackupSettings::levelFromSetting("-3"), 0);
    EXPECT_EQ(BackupSettings::levelFromSetting("many"), 1);
    EXPECT_EQ(BackupSettings::levelFromSetting(""), 1);
    EXPECT_EQ(BackupSettings::levelFromSetting(" 4"), 4);
    EXPECT_EQ(BackupSettings::levelFromSetting("99999999999999999999"), 1) << "beyond 32 bits is no level";
    EXPECT_EQ(BackupSettings::levelFromSetting("4294967299"), 1);
}

} // namespace
