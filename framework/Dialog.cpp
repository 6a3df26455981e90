#include "framework/Dialog.h"

#include "formats/ErrorFrame.h"
#include "framework/NativeDialog.h"

namespace {

const DialogTemplate& templateNamed(std::string_view name)
{
    const DialogTemplate* spec = findDialogTemplate(name);
    if (!spec)
        fatalError(errorOutOfMemory);
    return *spec;
}

} // namespace

Dialog::Dialog(std::string_view templateName) : Dialog(templateNamed(templateName)) {}

Dialog::Dialog(const DialogTemplate& spec) : ModalDialog(std::string(spec.name))
{
    native().setWindowTitle(QString::fromUtf8(spec.caption));
    DialogPage& controls = addPage(spec, &native());
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
