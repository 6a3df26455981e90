#include "framework/CursorFlash.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace {
std::optional<int32_t> g_testFlashTime;
}

int32_t blinkPhaseMs()
{
    int32_t flash = g_testFlashTime ? *g_testFlashTime : qGuiApp ? qGuiApp->styleHints()->cursorFlashTime() : 0;
    return flash > 0 ? flash / 2 : 0;
}

void setCursorFlashTimeForTests(std::optional<int32_t> ms)
{
    g_testFlashTime = ms;
}
