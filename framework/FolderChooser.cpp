#include "framework/FolderChooser.h"

namespace {
FolderChooserService* g_chooser = nullptr;
}

FolderChooserService* installFolderChooser(FolderChooserService* service)
{
    FolderChooserService* previous = g_chooser;
    g_chooser = service;
    return previous;
}

std::optional<std::string> chooseFolder(const std::string& initialFolder)
{
    return g_chooser ? g_chooser->choose(initialFolder) : std::nullopt;
}
