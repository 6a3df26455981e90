#pragma once

// The fuzzers' input as a file that lives in memory only: the readers open it by path, and nothing
// is left on disk however the run ends.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

class MemoryFile {
public:
    MemoryFile() : m_handle(::memfd_create("tilvaner-fuzz", 0))
    {
        if (m_handle < 0)
            std::abort();
    }
    ~MemoryFile() { ::close(m_handle); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the contents with data.
    void fill(const uint8_t* data, size_t size)
    {
        if (::ftruncate(m_handle, 0) != 0 || (size && ::pwrite(m_handle, data, size, 0) != ssize_t(size)))
            std::abort();
    }
    // A path that opens the contents afresh.
    std::string path() const { return "/proc/self/fd/" + std::to_string(m_handle); }

private:
    int m_handle;
};
