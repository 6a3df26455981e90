#include "framework/Dialog.h"

#include "base/ErrorFrame.h"
#include "framework/NativeDialog.h"

namespace {

const DialogTemplate& templateNamed(std::string_view name)
{
    const DialogTemplate* layout = findDialogTemplate(name);
    if (!layout)
        fatalError(errorOutOfMemory);
    return *layout;
}

} // namespace

Dialog::Dialog(std::string_view templateName) : Dialog(templateNamed(templateName)) {}

Dialog::Dialog(const DialogTemplate& layout) : ModalDialog(std::string(layout.name))
{
    native().setWindowTitle(QString::fromUtf8(layout.caption));
    DialogPage& controls = addPage(layout, &native());
    native().setFixedSize(controls.pixelWidth(), controls.pixelHeight());
    for (int id : {okButtonId, cancelButtonId})
        if (DialogControl* button = controls.control(id))
            button->onClicked([this, id] { endModal(id); });
}

void Dialog::press(int buttonId)
{
    if (DialogControl* button = control(buttonId))
        button->click();
}
