#include "framework/FileDialogs.h"

#include "base/ServiceSlot.h"

namespace {
ServiceSlot<FileDialogService> g_dialogs;
}

FileDialogService* installFileDialogs(FileDialogService* service)
{
    return g_dialogs.install(service);
}

std::optional<std::string> chooseOpenFile(const FileDialogRequest& request)
{
    return g_dialogs ? g_dialogs->chooseOpenFile(request) : std::nullopt;
}

std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request,
                                         const std::function<bool(const FileChoice&)>& accept)
{
    return g_dialogs ? g_dialogs->chooseSaveFile(request, accept) : std::nullopt;
}
