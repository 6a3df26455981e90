#include "formats/Alert.h"
#include "formats/BusyPointer.h"
#include "framework/ColorChooser.h"
#include "framework/DesktopBusyPointer.h"
#include "framework/DesktopMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tilvaner");

    DesktopMessageBox messageBox;
    installMessageBoxService(&messageBox);
    DesktopBusyPointer busyPointer;
    installBusyPointerService(&busyPointer);
    DesktopColorChooser colorChooser;
    installColorChooser(&colorChooser);

    // Until the frame and its documents exist, the editor shows an empty main window that says so.
    QMainWindow frame;
    frame.setWindowTitle("Tilvaner");
    auto* note = new QLabel("Tilvaner is being built: pictures cannot be opened yet.");
    note->setAlignment(Qt::AlignCenter);
    frame.setCentralWidget(note);
    frame.resize(800, 600);
    frame.show();
    return QApplication::exec();
}
