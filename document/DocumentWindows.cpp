#include "document/DocumentWindows.h"

#include "base/ServiceSlot.h"

namespace {
ServiceSlot<DocumentWindowService> g_windows;
}

DocumentWindowService* installDocumentWindows(DocumentWindowService* service)
{
    return g_windows.install(service);
}

void openDocumentWindow(Model& document)
{
    if (g_windows)
        g_windows->openWindow(document);
}
