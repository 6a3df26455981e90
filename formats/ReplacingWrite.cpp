#include "formats/ReplacingWrite.h"

#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/SystemError.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The new file of the write in progress, kept ready for a signal handler, which may only unlink it.
char g_temporaryName[FilePath::maxPathLength + 1];
volatile std::sig_atomic_t g_writing = 0;

// Marks the temporary file as the one a signal removes, for as long as the write lasts.
class TemporaryInProgress {
public:
    explicit TemporaryInProgress(const std::string& path)
    {
        std::memcpy(g_temporaryName, path.c_str(), path.size() + 1);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        g_writing = 1;
    }
    ~TemporaryInProgress() { g_writing = 0; }
};

void removeTemporaryAndEnd(int signal)
{
    if (g_writing)
        ::unlink(g_temporaryName);
    // The handler was reset on entry: once it returns, the signal ends the program as it would have.
    ::raise(signal);
}

// Puts a file's or a folder's contents on the disk; a failure is a failed write.
void sync(const std::string& path, int flags)
{
    int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (handle < 0)
        raiseError(errorWriteFailed);
    int result = ::fsync(handle);
    int error = errno;
    ::close(handle);
    if (result != 0)
        raiseError(error == ENOSPC || error == EDQUOT ? errorDiskFull : errorWriteFailed);
}

// The named temporary files of ours: ".tilvaner-<process>-<serial>.tmp".
std::string temporaryName(pid_t process, unsigned serial)
{
    return ".tilvaner-" + std::to_string(process) + "-" + std::to_string(serial) + ".tmp";
}

// The process that named a temporary file of ours, or 0 for any other name.
pid_t temporaryOwner(std::string_view name)
{
    constexpr std::string_view prefix = ".tilvaner-", suffix = ".tmp";
    if (!name.starts_with(prefix) || !name.ends_with(suffix))
        return 0;
    std::string_view numbers = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    pid_t process = 0;
    unsigned serial = 0;
    auto [end, error] = std::from_chars(numbers.data(), numbers.data() + numbers.size(), process);
    if (error != std::errc() || end == numbers.data() + numbers.size() || *end != '-')
        return 0;
    auto [last, serialError] = std::from_chars(end + 1, numbers.data() + numbers.size(), serial);
    return serialError == std::errc() && last == numbers.data() + numbers.size() ? process : 0;
}

// Deletes the named temporary files that processes of this user left in folder when they were killed
// in the middle of a write; a process that is still there keeps its own.
void removeDeadTemporaries(const std::string& folder)
{
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        pid_t process = temporaryOwner(entry->d_name);
        struct stat status;
        if (process <= 0 || process == ::getpid() ||
            ::fstatat(::dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(status.st_mode) ||
            status.st_uid != ::getuid())
            continue;
        if (::kill(process, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
    ::closedir(listing);
}

// The new file of a write. Where the file system allows, it has no name until it is complete, so
// that a process killed in the middle leaves nothing behind; the writers reach it through its link
// in /proc. Elsewhere it is a named temporary file, which a signal removes.
class NewFile {
public:
    explicit NewFile(const std::string& folder) : m_folder(folder)
    {
        if (::access("/proc/self/fd", X_OK) == 0)
            m_unnamed = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (m_unnamed >= 0)
            m_file.setInDirectory(std::to_string(m_unnamed), "/proc/self/fd");
        else
            name(m_file);
    }
    ~NewFile()
    {
        if (m_unnamed >= 0)
            ::close(m_unnamed);
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    FilePath& file() { return m_file; }

    // Puts the written contents on the disk with the old file's permissions, if there was one.
    void finish(std::optional<mode_t> permissions)
    {
        m_file.close();
        sync(m_file.path(), 0);
        if (permissions)
            ::chmod(m_file.path().c_str(), *permissions);
    }

    // Puts the file in target's place in one step: an unnamed one gets a temporary name first,
    // since a link cannot replace a name.
    void replace(const FilePath& target)
    {
        if (m_unnamed >= 0) {
            FilePath named;
            name(named);
            if (::linkat(AT_FDCWD, m_file.path().c_str(), AT_FDCWD, named.path().c_str(), AT_SYMLINK_FOLLOW) != 0)
                raiseError(errorCodeForErrno(errno));
            m_file = named;
        }
        if (std::rename(m_file.path().c_str(), target.path().c_str()) != 0)
            raiseError(errorCodeForErrno(errno));
        m_inProgress.reset();
    }

    // Leaves nothing of the new file behind.
    void discard()
    {
        m_file.close();
        if (m_inProgress)
            std::remove(m_file.path().c_str());
        m_inProgress.reset();
    }

private:
    // A short name of its own, so that even a target name at the length limit leaves room for it.
    void name(FilePath& file)
    {
        static unsigned serial = 0;
        file.setInDirectory(temporaryName(::getpid(), ++serial), m_folder);
        m_inProgress.emplace(file.path());
    }

    std::string m_folder;
    int m_unnamed = -1;
    FilePath m_file;
    std::optional<TemporaryInProgress> m_inProgress;
};

} // namespace

void writeReplacing(const FilePath& target, const std::function<void(FilePath& file)>& write,
                    const std::function<void()>& beforeReplacing)
{
    FilePath file = target.followingLinks();
    struct stat old;
    bool replacing = ::stat(file.path().c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        raiseError(errorWriteFailed);
    std::string folder(file.directory());
    removeDeadTemporaries(folder);
    NewFile fresh(folder);
    try {
        write(fresh.file());
        fresh.finish(replacing ? std::optional<mode_t>(old.st_mode & 07777) : std::nullopt);
        if (beforeReplacing)
            beforeReplacing();
        fresh.replace(file);
    } catch (...) {
        fresh.discard();
        throw;
    }
    sync(folder, O_DIRECTORY);
}

void removeTemporaryFileOnSignals()
{
    struct sigaction action {};
    action.sa_handler = removeTemporaryAndEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction before;
        ::sigaction(signal, &action, &before);
        // What the program was started ignoring (nohup, a background job) it goes on ignoring.
        if (before.sa_handler == SIG_IGN)
            ::sigaction(signal, &before, nullptr);
    }
}
