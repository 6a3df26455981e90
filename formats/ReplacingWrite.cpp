#include "formats/ReplacingWrite.h"

#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/SystemError.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
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

} // namespace

void writeReplacing(const FilePath& target, const std::function<void(FilePath& file)>& write,
                    const std::function<void()>& beforeReplacing)
{
    static unsigned serial = 0;
    FilePath file = target.followingLinks();
    struct stat old;
    bool replacing = ::stat(file.path().c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        raiseError(errorWriteFailed);
    FilePath temporary;
    // A short name of its own, so that even a target name at the length limit leaves room for it.
    temporary.setInDirectory(".tilvaner-" + std::to_string(getpid()) + "-" + std::to_string(++serial) + ".tmp",
                             file.directory());
    TemporaryInProgress inProgress(temporary.path());
    try {
        write(temporary);
        temporary.close();
        sync(temporary.path(), 0);
        if (replacing)
            ::chmod(temporary.path().c_str(), old.st_mode & 07777);
        if (beforeReplacing)
            beforeReplacing();
        if (std::rename(temporary.path().c_str(), file.path().c_str()) != 0)
            raiseError(errorCodeForErrno(errno));
    } catch (...) {
        temporary.close();
        std::remove(temporary.path().c_str());
        throw;
    }
    sync(std::string(file.directory()), O_DIRECTORY);
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
