#include "framework/FileDialogDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace fileDialogDriver {

namespace {

QFileDialog* openDialog()
{
    return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
}

// Qt's own dialog names its name box and its type list.
template <typename Widget>
Widget* part(const char* name)
{
    QFileDialog* dialog = openDialog();
    return dialog ? dialog->findChild<Widget*>(name) : nullptr;
}

} // namespace

void whenOpen(const std::function<void()>& step)
{
    QTimer::singleShot(0, step);
}

std::vector<std::string> filterLabels()
{
    std::vector<std::string> labels;
    if (QComboBox* types = part<QComboBox>("fileTypeCombo"))
        for (int i = 0; i < types->count(); ++i)
            labels.push_back(types->itemText(i).toStdString());
    return labels;
}

void chooseFilter(int index)
{
    // Activation is what a user's choice sends; setting the index alone sends neither signal.
    if (QComboBox* types = part<QComboBox>("fileTypeCombo")) {
        types->setCurrentIndex(index - 1);
        emit types->activated(index - 1);
        emit types->textActivated(types->currentText());
    }
}

std::string typedName()
{
    QLineEdit* name = part<QLineEdit>("fileNameEdit");
    return name ? name->text().toStdString() : std::string();
}

void typeName(const std::string& text)
{
    if (QLineEdit* name = part<QLineEdit>("fileNameEdit"))
        name->setText(QString::fromStdString(text));
}

void accept()
{
    // Through QDialog, where accept is public; the dialog's own override still runs.
    if (QDialog* dialog = openDialog())
        dialog->accept();
}

void cancel()
{
    if (QFileDialog* dialog = openDialog())
        dialog->reject();
}

} // namespace fileDialogDriver
