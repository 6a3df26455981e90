#include "base/BusyPointer.h"

#include "base/ServiceSlot.h"

namespace {
ServiceSlot<BusyPointerService> g_service;
int g_depth = 0;
} // namespace

BusyPointerService* installBusyPointerService(BusyPointerService* service)
{
    return g_service.install(service);
}

void beginBusy()
{
    BusyPointerService* service = g_service.get();
    if (g_depth++ == 0 && service)
        service->showWait();
}

// Queued input is dropped only when the outermost operation ends: dropping it means delivering the
// other queued events, which must not reach an operation that is still half done.
void endBusy()
{
    BusyPointerService* service = g_service.get();
    if (g_depth == 0 || --g_depth > 0 || !service)
        return;
    service->restore();
    service->discardInput();
}

int busyDepth()
{
    return g_depth;
}
