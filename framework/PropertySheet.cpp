#include "framework/PropertySheet.h"

#include "base/ErrorFrame.h"
#include "framework/NativeDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

PropertySheet::PropertySheet(std::string_view caption)
    : ModalDialog(std::string(caption)), m_tabs(new QTabWidget(&native())), m_ok(new QPushButton("OK", &native())),
      m_cancel(new QPushButton("キャンセル", &native()))
{
    native().setWindowTitle(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    m_ok->setDefault(true);
    QObject::connect(m_ok, &QPushButton::clicked, m_ok, [this] { guardCallback([&] { endModal(okButtonId); }); });
    QObject::connect(m_cancel, &QPushButton::clicked, m_cancel,
                     [this] { guardCallback([&] { endModal(cancelButtonId); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(&native());
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

DialogPage& PropertySheet::addPage(std::string_view templateName)
{
    const DialogTemplate* layout = findDialogTemplate(templateName);
    if (!layout)
        fatalError(errorOutOfMemory);
    return addPage(*layout);
}

DialogPage& PropertySheet::addPage(const DialogTemplate& layout)
{
    auto* tab = new QWidget;
    // The tab takes the dialog's font before its controls are measured against it.
    tab->setFont(native().font());
    DialogPage& page = ModalDialog::addPage(layout, tab);
    tab->setFixedSize(page.pixelWidth(), page.pixelHeight());
    m_tabs->addTab(tab, QString::fromUtf8(layout.caption));
    return page;
}

int PropertySheet::currentPage() const
{
    return m_tabs->currentIndex();
}

void PropertySheet::showPage(int index)
{
    m_tabs->setCurrentIndex(index);
}

void PropertySheet::press(int buttonId)
{
    if (buttonId == okButtonId)
        m_ok->click();
    else if (buttonId == cancelButtonId)
        m_cancel->click();
}
