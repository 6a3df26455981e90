#pragma once

#include "framework/DialogPage.h"
#include "framework/ModalDialog.h"

#include <string_view>

// A dialog made from a template: its controls at the template's places, found by id. Its buttons 1
// and 2 end it with OK and Cancel; closing it is Cancel.
class Dialog : public ModalDialog {
public:
    // The dialog of the template called templateName; a program without it cannot go on.
    explicit Dialog(std::string_view templateName);
    explicit Dialog(const DialogTemplate& layout);

    DialogPage& page() const { return ModalDialog::page(0); }
    DialogControl* control(int id) const { return page().control(id); }

    void press(int buttonId) override;
};
