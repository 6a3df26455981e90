#pragma once

#include "framework/FileDialogs.h"

// The desktop's file dialogs, modal over the program.
class DesktopFileDialogs : public FileDialogService {
public:
    std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request,
                                             const std::function<bool(const FileChoice&)>& accept) override;
};
