#pragma once

#include "framework/DialogControl.h"
#include "framework/DialogPage.h"
#include "framework/ModalDialog.h"

// The control id on a page of a dialog that a test drives, as the user would find it.
inline DialogControl& control(ModalDialog& dialog, int id, int page = 0)
{
    return *dialog.page(page).control(id);
}
