#pragma once

#include "framework/FolderChooser.h"

// The desktop's folder dialog, modal over the program, showing folders only.
class DesktopFolderChooser : public FolderChooserService {
public:
    std::optional<std::string> choose(const std::string& initialFolder) override;
};
