#include "framework/DesktopServices.h"

#include "base/ServiceSlot.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
ServiceSlot<DesktopServices> g_services;
}

DesktopServices* installDesktopServices(DesktopServices* services)
{
    return g_services.install(services);
}

bool openUrl(const std::string& url)
{
    return g_services && g_services->openUrl(url);
}

bool openFile(const std::string& path)
{
    return g_services && g_services->openFile(path);
}

bool PlatformDesktopServices::openUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

bool PlatformDesktopServices::openFile(const std::string& path)
{
    // A local file becomes a file: address, with the characters an address cannot hold escaped.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
