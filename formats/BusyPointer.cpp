#include "formats/BusyPointer.h"

namespace {
BusyPointerService* g_service = nullptr;
int g_depth = 0;
} // namespace

void installBusyPointerService(BusyPointerService* service)
{
    g_service = service;
}

void beginBusy()
{
    if (g_depth++ == 0 && g_service)
        g_service->showWait();
}

void endBusy()
{
    if (g_depth > 0 && --g_depth == 0 && g_service)
        g_service->restore();
    if (g_service)
        g_service->discardInput();
}

int busyDepth()
{
    return g_depth;
}
