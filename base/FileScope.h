#pragma once

#include "base/FilePath.h"

#include <exception>

// Keeps a file open for one read or write: closes it on every way out and, for a write that fails,
// deletes what was written so that no partial file is left behind.
class FileScope {
public:
    enum class OnFailure { keep, remove };

    FileScope(FilePath& file, OnFailure onFailure)
        : m_file(file), m_onFailure(onFailure), m_exceptions(std::uncaught_exceptions())
    {
    }
    ~FileScope()
    {
        if (m_onFailure == OnFailure::remove && std::uncaught_exceptions() > m_exceptions) {
            try {
                m_file.deleteFile();
            } catch (...) {
                // The failure that got us here is the one to report.
            }
        }
        m_file.close();
    }
    FileScope(const FileScope&) = delete;
    FileScope& operator=(const FileScope&) = delete;

private:
    FilePath& m_file;
    OnFailure m_onFailure;
    int m_exceptions;
};
