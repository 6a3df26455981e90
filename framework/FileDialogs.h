#pragma once

#include <functional>
#include <optional>
#include <string>

// The desktop's open and save dialogs. The editor installs them at start-up; tests install a
// scripted service that answers with chosen files and records what was asked.
struct FileDialogRequest {
    std::string title;
    // Description and pattern pairs separated by "/", as the string table keeps them.
    std::string filters;
    // 1-based index of the filter shown first.
    int filterIndex = 1;
    std::string defaultExtension;
    std::string initialPath;
};

struct FileChoice {
    std::string path;
    int filterIndex = 1;
};

class FileDialogService {
public:
    virtual std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) = 0;
    // accept is asked when the user presses OK; a refused choice keeps the dialog open.
    virtual std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request,
                                                     const std::function<bool(const FileChoice&)>& accept) = 0;

protected:
    ~FileDialogService() = default;
};

FileDialogService* installFileDialogs(FileDialogService* service);
// The installed service; without one every dialog is cancelled.
std::optional<std::string> chooseOpenFile(const FileDialogRequest& request);
std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request,
                                         const std::function<bool(const FileChoice&)>& accept);
