#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A file's full path and, while it is open, its handle. Copies share the path but never the handle.
// Failures raise the file error codes.
class FilePath {
public:
    // Linux's own limit: PATH_MAX bytes including the terminating zero.
    static constexpr size_t maxPathLength = 4095;

    FilePath() = default;
    FilePath(const FilePath& other) : m_path(other.m_path), m_namePosition(other.m_namePosition) {}
    FilePath& operator=(const FilePath& other);
    ~FilePath() { close(); }

    const std::string& path() const { return m_path; }
    std::string_view name() const { return std::string_view(m_path).substr(m_namePosition); }

    // Makes text an absolute path (without following links); raises -30003 if it names no file.
    void setFullPath(std::string_view text);
    void setInDirectory(std::string_view name, std::string_view folder);
    // Replaces the name's extension (a leading "." of ext is ignored); an empty ext removes it.
    void setExtension(std::string_view ext);
    std::string_view extension() const;
    std::string_view directory() const { return std::string_view(m_path).substr(0, m_namePosition); }

    // The file this path names once every symbolic link on the way is followed (a link's relative
    // target is read from the link's folder); the path itself when it is no link. A dangling link
    // answers the missing file it names. Raises -30003 for a loop.
    FilePath followingLinks() const;

    bool exists() const;
    bool isWritable() const;
    bool isOpen() const { return m_handle >= 0; }

    // Opens a regular file; anything else (a folder, a FIFO, a device) raises the quiet code that
    // the readers use for a format they do not know.
    void openForRead();
    // Creates or truncates the file for reading and writing.
    void createForWrite();
    // Reads exactly n bytes: -2 on failure, -4 when the file ends first.
    void read(void* buffer, size_t n);
    // Reads up to n bytes, fewer only where the file ends; -2 on failure.
    size_t readUpTo(void* buffer, size_t n);
    // Writes exactly n bytes: -3 on failure, -5 when the disk takes fewer.
    void write(const void* buffer, size_t n);

    // Several buffers filled or written in order with few system calls, as read and write do.
    struct Slice {
        void* data;
        size_t size;
    };
    void read(std::span<Slice> slices);
    void write(std::span<Slice> slices);
    enum class Origin { start, current };
    void seek(int64_t offset, Origin origin);
    int64_t position() const;
    // The open file's size in bytes.
    int64_t size() const;
    void close();
    // Closes and deletes the file.
    void deleteFile();

private:
    void openWith(int flags);
    // The code for an open with flags that failed with openErrno.
    int32_t openFailure(int openErrno, int flags) const;

    std::string m_path;
    size_t m_namePosition = 0;
    int m_handle = -1;
};
