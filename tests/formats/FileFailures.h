#pragma once

#include <csignal>
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

// Makes writes past bytes fail while the object lives, as a failing disk would half way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        struct rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previous);
    }

private:
    struct rlimit m_saved;
    void (*m_previous)(int);
};
