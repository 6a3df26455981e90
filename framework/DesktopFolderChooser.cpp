#include "framework/DesktopFolderChooser.h"

#include <QApplication>
#include <QFileDialog>

std::optional<std::string> DesktopFolderChooser::choose(const std::string& initialFolder)
{
    QString chosen = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QString(), QString::fromStdString(initialFolder), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}
