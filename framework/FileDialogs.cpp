#include "framework/FileDialogs.h"

namespace {
FileDialogService* g_dialogs = nullptr;
}

FileDialogService* installFileDialogs(FileDialogService* service)
{
    FileDialogService* previous = g_dialogs;
    g_dialogs = service;
    return previous;
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
