#include "framework/DocumentWindows.h"

namespace {
DocumentWindowService* g_windows = nullptr;
}

DocumentWindowService* installDocumentWindows(DocumentWindowService* service)
{
    DocumentWindowService* previous = g_windows;
    g_windows = service;
    return previous;
}

void openDocumentWindow(Model& document)
{
    if (g_windows)
        g_windows->openWindow(document);
}
