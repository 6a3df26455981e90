#include "framework/HelpViewer.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace helpViewer {

namespace {
QPointer<QTextBrowser> g_window;
}

bool show(const std::string& path)
{
    QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || !file.isReadable())
        return false;
    if (!g_window) {
        g_window = new QTextBrowser;
        g_window->setAttribute(Qt::WA_DeleteOnClose);
        g_window->resize(800, 600);
        // Links to other sites leave the program, as they would from a browser's page.
        g_window->setOpenExternalLinks(true);
    }
    // The same page again is read again, in case it changed since.
    QUrl page = QUrl::fromLocalFile(file.absoluteFilePath());
    if (g_window->source() == page)
        g_window->reload();
    else
        g_window->setSource(page);
    QString title = g_window->documentTitle();
    g_window->setWindowTitle(title.isEmpty() ? file.fileName() : title);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return true;
}

std::string shownTitle()
{
    return g_window && g_window->isVisible() ? g_window->documentTitle().toStdString() : std::string();
}

void close()
{
    if (g_window)
        g_window->close();
}

} // namespace helpViewer
