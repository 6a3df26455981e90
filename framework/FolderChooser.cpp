#include "framework/FolderChooser.h"

#include "base/ServiceSlot.h"

namespace {
ServiceSlot<FolderChooserService> g_chooser;
}

FolderChooserService* installFolderChooser(FolderChooserService* service)
{
    return g_chooser.install(service);
}

std::optional<std::string> chooseFolder(const std::string& initialFolder)
{
    return g_chooser ? g_chooser->choose(initialFolder) : std::nullopt;
}
