#include "formats/ReplacingWrite.h"

#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/SystemError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
