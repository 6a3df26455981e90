#include "base/BusyPointer.h"

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

// Queued input is dropped only when the outermost operation ends: dropping it means delivering the
// other queued events, which must not reach an operation that is still half done.
void endBusy()
{
    if (g_depth == 0 || --g_depth > 0 || !g_service)
        return;
    g_service->restore();
    g_service->discardInput();
}

int busyDepth()
{
    return g_depth;
}
