#pragma once

// The Qt side of a ModalDialog. Seen only inside the framework.

#include "base/ErrorFrame.h"
#include "framework/ModalDialog.h"
#include "resources/DialogTemplates.h"

#include <QDialog>

class NativeDialog : public QDialog {
public:
    explicit NativeDialog(ModalDialog& owner) : m_owner(owner) {}

    // Escape, the close box and accept() go through the dialog's own ending rules.
    void reject() override
    {
        guardCallback([&] { m_owner.endModal(cancelButtonId); });
    }
    void accept() override
    {
        guardCallback([&] { m_owner.endModal(okButtonId); });
    }
    void finish(int result) { QDialog::done(result); }

private:
    ModalDialog& m_owner;
};
