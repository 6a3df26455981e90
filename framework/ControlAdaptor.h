#pragma once

#include "core/Dependent.h"

class DialogControl;

// Binds one dialog control to a model: it shows the model's value, and when the dialog is confirmed
// it checks what the user entered and writes it back. Nothing reaches the model before that, so a
// cancelled dialog changes nothing.
class ControlAdaptor : public Dependent {
public:
    explicit ControlAdaptor(DialogControl& control) : m_control(control) {}

    DialogControl& control() const { return m_control; }

    // Whether the control's contents can be accepted; the dialog stays open and focuses the first
    // control that refuses.
    virtual bool validate() { return true; }
    // Writes the accepted contents through the model's value interface.
    virtual void commit() {}

private:
    DialogControl& m_control;
};
