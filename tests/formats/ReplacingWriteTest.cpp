#include "formats/ReplacingWrite.h"
#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/SystemError.h"
#include "tests/base/ChildProcess.h"
#include "tests/formats/FileFailures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ReplacingWriteTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = testing::TempDir() + "tilvaner-replacing-" + std::to_string(getpid());
        fs::remove_all(folder);
        fs::create_directories(folder + "/other");
    }
    void TearDown() override { fs::remove_all(folder); }

    void put(const std::string& name, const std::string& text) const { std::ofstream(folder + "/" + name) << text; }
    std::string read(const std::string& name) const
    {
        std::ifstream file(folder + "/" + name);
        std::stringstream text;
        text << file.rdbuf();
        return file ? text.str() : "(missing)";
    }
    // Replaces name with text; answers the code raised, or 0.
    int32_t save(const std::string& name, const std::string& text) const
    {
        FilePath file;
        file.setInDirectory(name, folder);
        try {
            writeReplacing(file, [&](FilePath& out) {
                out.createForWrite();
                out.write(text.data(), text.size());
            });
        } catch (...) {
            return currentError();
        }
        return errorNone;
    }
    // The names in a folder of the test, so that a stray temporary file shows.
    std::vector<std::string> names(const std::string& sub = "") const
    {
        std::vector<std::string> found;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder + "/" + sub))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    std::string folder;
};

TEST_F(ReplacingWriteTest, LinksStayLinksAndTheirTargetsAreReplaced)
{
    struct Row {
        const char* what;
        std::string link;       // name of the link in the test folder
        std::string pointsTo;   // its target as written in the link
        std::string targetName; // where the contents must arrive
    };
    put("other/real.bmp", "old");
    fs::create_symlink("real.bmp", folder + "/other/near.bmp");
    const Row rows[] = {
        {"relative, read from the link's folder", "rel.bmp", "other/real.bmp", "other/real.bmp"},
        {"absolute", "abs.bmp", folder + "/other/real.bmp", "other/real.bmp"},
        {"a link to a link in another folder", "chain.bmp", "other/near.bmp", "other/real.bmp"},
        {"dangling: the target is created", "dangling.bmp", "other/new.bmp", "other/new.bmp"},
    };
    for (const Row& row : rows) {
        fs::create_symlink(row.pointsTo, folder + "/" + row.link);
        std::string text = std::string("via ") + row.link;
        ASSERT_EQ(save(row.link, text), errorNone) << row.what;
        EXPECT_TRUE(fs::is_symlink(folder + "/" + row.link)) << row.what;
        EXPECT_EQ(fs::read_symlink(folder + "/" + row.link), row.pointsTo) << row.what;
        EXPECT_EQ(read(row.targetName), text) << row.what;
    }
    EXPECT_TRUE(fs::is_symlink(folder + "/other/near.bmp"));
    EXPECT_EQ(names("other"), (std::vector<std::string>{"near.bmp", "new.bmp", "real.bmp"})) << "no stray file";

    fs::create_symlink("loop.bmp", folder + "/loop.bmp");
    EXPECT_EQ(save("loop.bmp", "x"), systemError(systemPathNotFound));
}

TEST_F(ReplacingWriteTest, WhatIsNoRegularFileIsKeptAndTheWriteFails)
{
    fs::create_directory(folder + "/dir.bmp");
    ASSERT_EQ(mkfifo((folder + "/fifo.bmp").c_str(), 0600), 0);
    for (const char* name : {"dir.bmp", "fifo.bmp"})
        EXPECT_EQ(save(name, "new"), errorWriteFailed) << name;
    EXPECT_TRUE(fs::is_directory(folder + "/dir.bmp"));
    EXPECT_TRUE(fs::is_fifo(folder + "/fifo.bmp"));
    EXPECT_EQ(names(), (std::vector<std::string>{"dir.bmp", "fifo.bmp", "other"})) << "no stray file";
}

TEST_F(ReplacingWriteTest, AFailedSyncIsAFailedWriteAndKeepsTheOldFile)
{
    put("a.bmp", "precious");
    std::optional<std::string> code =
        inChild([&] { return failSyncsForGood() ? std::to_string(save("a.bmp", "new")) : std::string("no seccomp"); });
    EXPECT_EQ(code, std::to_string(errorWriteFailed));
    EXPECT_EQ(read("a.bmp"), "precious");
    EXPECT_EQ(names(), (std::vector<std::string>{"a.bmp", "other"})) << "no stray file";
}

TEST_F(ReplacingWriteTest, ASignalDuringTheWriteRemovesTheNewFileAndStillEndsTheProgram)
{
    put("a.bmp", "precious");
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        pid_t child = fork();
        if (child == 0) {
            std::signal(signal, SIG_DFL); // a test run in the background starts with SIGINT ignored
            removeTemporaryFileOnSignals();
            FilePath file;
            file.setInDirectory("a.bmp", folder);
            try {
                writeReplacing(file, [&](FilePath& out) {
                    out.createForWrite();
                    out.write("half", 4);
                    raise(signal);
                });
            } catch (...) {
            }
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal);
        EXPECT_EQ(names(), (std::vector<std::string>{"a.bmp", "other"})) << strsignal(signal);
    }
    EXPECT_EQ(read("a.bmp"), "precious");
}

// Killed outright in the middle of its write, a process leaves no file behind: the new file has no
// name until it is complete. The named temporaries of processes that are gone (left where the file
// system gives no unnamed files) go with the next save into their folder; a live process keeps its own.
TEST_F(ReplacingWriteTest, AKilledWriteLeavesNothingAndTheDeadsTemporariesAreRemoved)
{
    put("a.bmp", "precious");
    pid_t child = fork();
    if (child == 0) {
        FilePath file;
        file.setInDirectory("a.bmp", folder);
        writeReplacing(file, [&](FilePath& out) {
            out.createForWrite();
            out.write("half", 4);
            raise(SIGKILL);
        });
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(names(), (std::vector<std::string>{"a.bmp", "other"}));

    const std::string dead = ".tilvaner-" + std::to_string(child) + "-1.tmp";
    const std::string alive = ".tilvaner-" + std::to_string(getppid()) + "-1.tmp";
    for (const std::string& name : {dead, alive, std::string(".tilvaner-x-1.tmp")})
        put(name, "left");
    EXPECT_EQ(save("a.bmp", "new"), errorNone);
    EXPECT_EQ(read("a.bmp"), "new");
    std::vector<std::string> kept{".tilvaner-x-1.tmp", alive, "a.bmp", "other"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names(), kept);
}

} // namespace
