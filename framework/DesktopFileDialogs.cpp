#include "framework/DesktopFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// "description/pattern/description/pattern/" becomes the dialog's "description (patterns)" entries.
QStringList filterList(const std::string& filters)
{
    QStringList parts = QString::fromStdString(filters).split('/', Qt::SkipEmptyParts);
    QStringList list;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        list << parts[i] + " (" + patterns + ")";
    }
    return list;
}

// The extension the filter entry writes: "*.bmp" gives "bmp"; "*.*" gives none.
QString extensionOf(const QString& filter)
{
    qsizetype star = filter.indexOf("*.");
    QString extension = star < 0 ? QString() : filter.mid(star + 2).section(QRegularExpression("[ );]"), 0, 0);
    return extension == "*" ? QString() : extension.toLower();
}

// The 1-based type entry chosen. Once details are hidden Qt answers the shown label instead of the
// entry, so the list is asked.
int chosenFilter(const QFileDialog& dialog)
{
    const QComboBox* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    return types ? types->currentIndex() + 1 : 0;
}

// A save dialog that asks the program before it accepts a name.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(const std::function<bool(const FileChoice&)>& accept)
        : QFileDialog(QApplication::activeWindow()), m_accept(accept)
    {
    }

    void accept() override
    {
        QStringList files = selectedFiles();
        if (files.isEmpty())
            return;
        // A folder is opened, not saved into.
        if (QFileInfo(files.front()).isDir() || m_accept({files.front().toStdString(), chosenFilter(*this)}))
            QFileDialog::accept();
    }

private:
    std::function<bool(const FileChoice&)> m_accept;
};

void prepare(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setWindowTitle(QString::fromStdString(request.title));
    // The descriptions already name their patterns; Qt would show them a second time.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters = filterList(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.initialPath.empty())
        dialog.selectFile(QString::fromStdString(request.initialPath));
    dialog.setWindowModality(Qt::ApplicationModal);
    // Qt's own dialog, so that the program knows a modal dialog is open (names handed over by a
    // later start wait for it) and the filters look the same everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}

} // namespace

std::optional<std::string> DesktopFileDialogs::chooseOpenFile(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow());
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<FileChoice> DesktopFileDialogs::chooseSaveFile(const FileDialogRequest& request,
                                                             const std::function<bool(const FileChoice&)>& accept)
{
    SaveDialog dialog(accept);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Choosing another type puts that type's extension on the name being typed, keeping any folder
    // typed before it.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString&) {
        QString extension = extensionOf(dialog.nameFilters().value(chosenFilter(dialog) - 1));
        QLineEdit* nameBox = dialog.findChild<QLineEdit*>("fileNameEdit");
        if (extension.isEmpty() || !nameBox)
            return;
        QString typed = nameBox->text();
        qsizetype nameStart = typed.lastIndexOf('/') + 1;
        QString name = QFileInfo(typed.mid(nameStart)).completeBaseName();
        if (!name.isEmpty())
            nameBox->setText(typed.left(nameStart) + name + "." + extension);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice{dialog.selectedFiles().front().toStdString(), chosenFilter(dialog)};
}
