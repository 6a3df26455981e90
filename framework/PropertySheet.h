#pragma once

#include "framework/DialogPage.h"
#include "framework/ModalDialog.h"

#include <string_view>

class QPushButton;
class QTabWidget;

// A modal dialog of pages on tabs, each page made from a template and titled with the template's
// caption, with OK and Cancel below. OK validates every page, in order.
class PropertySheet : public ModalDialog {
public:
    explicit PropertySheet(std::string_view caption);

    // Adds the page of the template called templateName as the last tab; a program without the
    // template cannot go on.
    DialogPage& addPage(std::string_view templateName);
    DialogPage& addPage(const DialogTemplate& layout);

    int currentPage() const override;
    void press(int buttonId) override;

protected:
    void showPage(int index) override;

private:
    QTabWidget* m_tabs;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
