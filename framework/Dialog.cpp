#include "framework/Dialog.h"

#include "framework/NativeDialog.h"

Dialog::Dialog(std::string_view templateName) : Dialog(requiredDialogTemplate(templateName)) {}

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
