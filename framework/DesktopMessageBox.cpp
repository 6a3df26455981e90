#include "framework/DesktopMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconFor(uint32_t flags)
{
    switch (flags & alertFlags::iconMask) {
    case alertFlags::iconStop: return QMessageBox::Critical;
    case alertFlags::iconExclamation: return QMessageBox::Warning;
    case alertFlags::iconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsFor(uint32_t flags)
{
    switch (flags & alertFlags::buttonsMask) {
    case alertFlags::okCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case alertFlags::yesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case alertFlags::yesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int answerFor(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return alertAnswer::cancel;
    case QMessageBox::Yes: return alertAnswer::yes;
    case QMessageBox::No: return alertAnswer::no;
    default: return alertAnswer::ok;
    }
}

} // namespace

int DesktopMessageBox::show(const MessageRequest& request)
{
    QMessageBox box(iconFor(request.flags), QString::fromStdString(request.title), QString::fromStdString(request.body),
                    buttonsFor(request.flags), QApplication::activeWindow());
    // File names in the text are shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (request.flags & alertFlags::foreground)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // A box shown in the middle of a long operation takes clicks: it shows the arrow, not the wait
    // pointer.
    bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    int answer = answerFor(box.exec());
    if (busy)
        QApplication::restoreOverrideCursor();
    return answer;
}
