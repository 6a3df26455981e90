#include "base/FilePath.h"
#include "base/ErrorFrame.h"
#include "base/SystemError.h"
#include "tests/base/ChildProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int32_t errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (...) {
        return currentError();
    }
    return errorNone;
}

class FilePathTest : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tilvaner-filepath-XXXXXX";
        folder = mkdtemp(pattern);
    }
    void TearDown() override
    {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(folder);
    }
    std::string folder;
};

TEST_F(FilePathTest, PathsAreMadeAbsoluteAndSplitAtTheName)
{
    FilePath path;
    path.setFullPath("/a/./b/../c.d.bmp");
    EXPECT_EQ(path.path(), "/a/c.d.bmp");
    EXPECT_EQ(path.name(), "c.d.bmp");
    EXPECT_EQ(path.directory(), "/a/");
    EXPECT_EQ(path.extension(), "bmp");

    path.setFullPath("relative.tif");
    EXPECT_EQ(path.path(), (std::filesystem::current_path() / "relative.tif").string());

    path.setInDirectory("x.bmp", "/tmp");
    EXPECT_EQ(path.path(), "/tmp/x.bmp");
    path.setInDirectory("x.bmp", "/tmp/");
    EXPECT_EQ(path.path(), "/tmp/x.bmp");
}

TEST_F(FilePathTest, PathsThatNameNoFileAreRefused)
{
    FilePath path;
    const int32_t badPath = systemError(systemPathNotFound);
    EXPECT_EQ(errorOf([&] { path.setFullPath(""); }), badPath);
    EXPECT_EQ(errorOf([&] { path.setFullPath("/tmp/"); }), badPath);
    EXPECT_EQ(errorOf([&] { path.setFullPath(std::string("a\0b", 3)); }), badPath);
    EXPECT_EQ(errorOf([&] { path.setFullPath("/" + std::string(FilePath::maxPathLength, 'a')); }), badPath);
    EXPECT_EQ(
        errorOf([&] { path.setInDirectory(std::string(10, 'n'), std::string(FilePath::maxPathLength - 5, 'd')); }),
        badPath);
    EXPECT_EQ(errorOf([&] { path.setFullPath("/" + std::string(FilePath::maxPathLength - 1, 'a')); }), errorNone);
}

TEST_F(FilePathTest, ExtensionsAreReplacedInTheNameOnly)
{
    FilePath path;
    path.setFullPath("/dir.v2/a.b.bmp");
    path.setExtension(".tif");
    EXPECT_EQ(path.path(), "/dir.v2/a.b.tif");
    path.setExtension("tif");
    EXPECT_EQ(path.path(), "/dir.v2/a.b.tif");
    path.setExtension("");
    EXPECT_EQ(path.path(), "/dir.v2/a.b");

    path.setFullPath("/dir.v2/noext");
    EXPECT_EQ(path.extension(), "");
    path.setExtension("set");
    EXPECT_EQ(path.path(), "/dir.v2/noext.set");
}

TEST_F(FilePathTest, WritesAndReadsExactByteCounts)
{
    FilePath path;
    path.setInDirectory("data.bin", folder);
    EXPECT_FALSE(path.exists());
    path.createForWrite();
    path.write("abcdef", 6);
    EXPECT_EQ(path.position(), 6);
    path.close();
    EXPECT_TRUE(path.exists());

    FilePath copy = path; // copies never share a handle
    copy.openForRead();
    char buffer[4] = {};
    copy.seek(2, FilePath::Origin::start);
    copy.read(buffer, 3);
    EXPECT_EQ(std::string(buffer, 3), "cde");
    EXPECT_EQ(errorOf([&] { copy.read(buffer, 2); }), errorFileTooShort);
    EXPECT_FALSE(path.isOpen());

    copy.deleteFile();
    EXPECT_FALSE(copy.exists());
}

TEST_F(FilePathTest, SystemFailuresBecomeTheNumbersTheMessagesKnow)
{
    FilePath path;
    path.setInDirectory("missing.bmp", folder);
    EXPECT_EQ(errorOf([&] { path.openForRead(); }), systemError(systemFileNotFound));
    EXPECT_EQ(errorOf([&] { path.deleteFile(); }), systemError(systemFileNotFound));

    EXPECT_EQ(errorCodeForErrno(EROFS), systemError(systemWriteProtected));
    EXPECT_EQ(errorCodeForErrno(EACCES), systemError(systemAccessDenied));
    EXPECT_EQ(errorCodeForErrno(ENOMEM), systemError(systemNotEnoughMemory));
    EXPECT_EQ(errorCodeForErrno(ENOSPC), errorDiskFull);
}

TEST_F(FilePathTest, OnlyRegularFilesAreOpenedForReading)
{
    std::filesystem::create_directory(folder + "/sub.bmp");
    ASSERT_EQ(mkfifo((folder + "/fifo.bmp").c_str(), 0600), 0);
    for (const std::string& name : {folder + "/sub.bmp", folder + "/fifo.bmp", std::string("/dev/zero")}) {
        FilePath path;
        path.setFullPath(name);
        // A FIFO without a writer would block the open for ever; the child is given five seconds.
        std::optional<std::string> code =
            inChild([&] { return std::to_string(errorOf([&] { path.openForRead(); })); }, 5);
        EXPECT_EQ(code, std::to_string(errorQuiet)) << name;
    }
}

// The open of a new file in a folder the user may not write fails with EACCES; the look for an
// existing file must not replace that with its own ENOENT. A child drops root, which writes anywhere.
TEST_F(FilePathTest, AFolderWithoutWriteAccessIsAnAccessViolation)
{
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all | std::filesystem::perms::others_read |
                                             std::filesystem::perms::others_exec);
    FilePath inLockedFolder;
    inLockedFolder.setInDirectory("new.bmp", folder);
    std::optional<std::string> code = inChild([&] {
        if (geteuid() != 0)
            std::filesystem::permissions(folder,
                                         std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        else if (setgid(65534) != 0 || setuid(65534) != 0)
            return std::string("cannot drop root");
        return std::to_string(errorOf([&] { inLockedFolder.createForWrite(); }));
    });
    EXPECT_EQ(code, std::to_string(systemError(systemAccessDenied)));
}

TEST_F(FilePathTest, AFullDiskIsAShortWrite)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    FilePath path;
    path.setFullPath("/dev/full");
    path.createForWrite();
    EXPECT_EQ(errorOf([&] { path.write("x", 1); }), errorDiskFull);
}

TEST_F(FilePathTest, WritableFollowsThePermissions)
{
    FilePath path;
    path.setInDirectory("ro.bmp", folder);
    EXPECT_FALSE(path.isWritable()) << "the attributes of a missing file cannot be read";
    path.createForWrite();
    path.close();
    EXPECT_TRUE(path.isWritable());
    if (geteuid() == 0)
        return; // root may write anything
    std::filesystem::permissions(path.path(), std::filesystem::perms::owner_read);
    EXPECT_FALSE(path.isWritable());
    EXPECT_EQ(errorOf([&] { path.createForWrite(); }), systemError(systemWriteProtected));
}

} // namespace
