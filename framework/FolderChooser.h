#pragma once

#include <optional>
#include <string>

// Asks the user for a folder of the file system. The editor installs the desktop's folder dialog at
// start-up and tests a scripted chooser; with none installed every request is cancelled.
class FolderChooserService {
public:
    // The chosen folder's path, or nothing when the user cancelled. The dialog starts in
    // initialFolder when that is given.
    virtual std::optional<std::string> choose(const std::string& initialFolder) = 0;

protected:
    ~FolderChooserService() = default;
};

FolderChooserService* installFolderChooser(FolderChooserService* service);
std::optional<std::string> chooseFolder(const std::string& initialFolder);
