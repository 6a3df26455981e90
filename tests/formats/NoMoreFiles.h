#pragma once

#include <sys/resource.h>
#include <unistd.h>

// Makes the next file the process opens fail, as a refused create would, while the object lives.
class NoMoreFiles {
public:
    NoMoreFiles()
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        int next = dup(0);
        close(next);
        struct rlimit limit = m_saved;
        limit.rlim_cur = rlim_t(next);
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    ~NoMoreFiles() { setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    struct rlimit m_saved;
};
