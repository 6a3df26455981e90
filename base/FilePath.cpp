#include "base/FilePath.h"

#include "base/ErrorFrame.h"
#include "base/SystemError.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int32_t errorBadPath = systemError(systemPathNotFound);

[[noreturn]] void raiseErrno()
{
    raiseError(errorCodeForErrno(errno));
}
} // namespace

FilePath& FilePath::operator=(const FilePath& other)
{
    if (this != &other) {
        close();
        m_path = other.m_path;
        m_namePosition = other.m_namePosition;
    }
    return *this;
}

void FilePath::setFullPath(std::string_view text)
{
    if (text.empty() || text.find('\0') != std::string_view::npos)
        raiseError(errorBadPath);
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(text), error);
    if (error)
        raiseError(errorBadPath);
    std::string path = full.lexically_normal().string();
    size_t slash = path.rfind('/');
    if (path.size() > maxPathLength || slash == std::string::npos || slash + 1 == path.size())
        raiseError(errorBadPath);
    close();
    m_path = std::move(path);
    m_namePosition = slash + 1;
}

void FilePath::setInDirectory(std::string_view name, std::string_view folder)
{
    if (folder.size() > maxPathLength - 1)
        raiseError(errorBadPath);
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    if (path.size() > maxPathLength)
        raiseError(errorBadPath);
    setFullPath(path);
}

void FilePath::setExtension(std::string_view ext)
{
    if (!ext.empty() && ext.front() == '.')
        ext.remove_prefix(1);
    size_t dot = m_path.rfind('.');
    size_t end = dot != std::string::npos && dot >= m_namePosition ? dot : m_path.size();
    std::string path = m_path.substr(0, end);
    if (!ext.empty())
        path.append(".").append(ext);
    if (path.size() > maxPathLength || path.size() == m_namePosition)
        raiseError(errorBadPath);
    m_path = std::move(path);
}

std::string_view FilePath::extension() const
{
    std::string_view name = this->name();
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

FilePath FilePath::followingLinks() const
{
    // The system's own limit of links followed in one lookup.
    constexpr int maxLinks = 40;
    FilePath file = *this;
    for (int links = 0;; ++links) {
        char target[PATH_MAX];
        ssize_t length = ::readlink(file.m_path.c_str(), target, sizeof target);
        if (length < 0)
            return file;
        if (links == maxLinks || size_t(length) == sizeof target)
            raiseError(errorBadPath);
        std::string text(target, size_t(length));
        if (text.front() != '/') {
            // The link's folder without links of its own, so that a ".." in the target climbs out
            // of the folder the system would climb out of.
            std::error_code error;
            std::filesystem::path folder = std::filesystem::canonical(std::string(file.directory()), error);
            if (error)
                raiseError(errorBadPath);
            text = (folder / text).string();
        }
        file.setFullPath(text);
    }
}

bool FilePath::exists() const
{
    struct stat status;
    return isOpen() || (!m_path.empty() && ::stat(m_path.c_str(), &status) == 0);
}

bool FilePath::isWritable() const
{
    return !m_path.empty() && ::access(m_path.c_str(), W_OK) == 0;
}

int32_t FilePath::openFailure(int openErrno, int flags) const
{
    // Refused write access to a file that is there is a write-protected file; refused access to the
    // folder is an access violation. The look at the file must not change the open's own errno.
    if (openErrno == EACCES && (flags & O_CREAT) && exists())
        return systemError(systemWriteProtected);
    return errorCodeForErrno(openErrno);
}

void FilePath::openWith(int flags)
{
    close();
    // Without O_NONBLOCK a FIFO would wait here for a writer that never comes.
    int handle = ::open(m_path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (handle < 0)
        raiseError(openFailure(errno, flags));
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    m_handle = handle;
}

void FilePath::openForRead()
{
    openWith(O_RDONLY);
    // A folder, FIFO or device is no picture: refused as a file of no known format, before a
    // byte is read.
    struct stat status;
    if (::fstat(m_handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        close();
        raiseError(errorQuiet);
    }
}

void FilePath::createForWrite()
{
    openWith(O_RDWR | O_CREAT | O_TRUNC);
}

namespace {

// Runs a scatter or gather call until every slice is done, advancing past what each call moved.
// Answers false when the file ended (a call moved nothing); raises on failure.
template <class Call>
bool transferAll(std::span<FilePath::Slice> slices, Call call, int32_t failure)
{
    std::vector<iovec> pending;
    for (const FilePath::Slice& slice : slices)
        if (slice.size > 0)
            pending.push_back({slice.data, slice.size});
    size_t first = 0;
    while (first < pending.size()) {
        int count = int(std::min<size_t>(pending.size() - first, IOV_MAX));
        ssize_t moved = call(&pending[first], count);
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved < 0)
            raiseError(errno == ENOSPC || errno == EDQUOT ? errorDiskFull : failure);
        if (moved == 0)
            return false;
        for (size_t done = size_t(moved); done > 0;) {
            size_t step = std::min(done, pending[first].iov_len);
            pending[first].iov_base = static_cast<char*>(pending[first].iov_base) + step;
            pending[first].iov_len -= step;
            done -= step;
            if (pending[first].iov_len == 0)
                ++first;
        }
    }
    return true;
}

} // namespace

void FilePath::read(std::span<Slice> slices)
{
    if (!transferAll(
            slices, [this](iovec* v, int n) { return ::readv(m_handle, v, n); }, errorReadFailed))
        raiseError(errorFileTooShort);
}

void FilePath::write(std::span<Slice> slices)
{
    if (!transferAll(
            slices, [this](iovec* v, int n) { return ::writev(m_handle, v, n); }, errorWriteFailed))
        raiseError(errorDiskFull);
}

void FilePath::read(void* buffer, size_t n)
{
    Slice slice{buffer, n};
    read(std::span(&slice, 1));
}

size_t FilePath::readUpTo(void* buffer, size_t n)
{
    size_t done = 0;
    while (done < n) {
        ssize_t got = ::read(m_handle, static_cast<char*>(buffer) + done, n - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            raiseError(errorReadFailed);
        if (got == 0)
            break;
        done += size_t(got);
    }
    return done;
}

void FilePath::write(const void* buffer, size_t n)
{
    Slice slice{const_cast<void*>(buffer), n};
    write(std::span(&slice, 1));
}

void FilePath::seek(int64_t offset, Origin origin)
{
    ::lseek(m_handle, offset, origin == Origin::start ? SEEK_SET : SEEK_CUR);
}

int64_t FilePath::position() const
{
    return ::lseek(m_handle, 0, SEEK_CUR);
}

int64_t FilePath::size() const
{
    struct stat status;
    if (::fstat(m_handle, &status) != 0)
        raiseError(errorReadFailed);
    return status.st_size;
}

void FilePath::close()
{
    if (m_handle >= 0) {
        ::close(m_handle);
        m_handle = -1;
    }
}

void FilePath::deleteFile()
{
    close();
    if (::unlink(m_path.c_str()) != 0)
        raiseErrno();
}
