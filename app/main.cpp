#include "app/Tilvaner.h"
#include "base/Alert.h"
#include "base/BusyPointer.h"
#include "base/ErrorFrame.h"
#include "framework/Application.h"
#include "framework/ColorChooser.h"
#include "framework/DesktopBusyPointer.h"
#include "framework/DesktopFileDialogs.h"
#include "framework/DesktopFolderChooser.h"
#include "framework/DesktopKeyState.h"
#include "framework/DesktopMessageBox.h"
#include "framework/DesktopServices.h"

#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    Application application(argc, argv);

    DesktopMessageBox messageBox;
    installMessageBoxService(&messageBox);
    DesktopBusyPointer busyPointer;
    installBusyPointerService(&busyPointer);
    DesktopColorChooser colorChooser;
    installColorChooser(&colorChooser);
    DesktopFileDialogs fileDialogs;
    installFileDialogs(&fileDialogs);
    DesktopFolderChooser folderChooser;
    installFolderChooser(&folderChooser);
    PlatformDesktopServices desktopServices;
    installDesktopServices(&desktopServices);
    DesktopKeyState keyState;
    installKeyState(&keyState);

    std::vector<std::string> arguments(argv + 1, argv + argc);
    Tilvaner editor(SettingsFile::application());
    try {
        if (!editor.start(arguments))
            return 0;
        application.onTerminate([&editor] { editor.requestExit(); });
        editor.passCommandLine(arguments);
    } catch (...) {
        reportError(currentError(), 0, std::nullopt);
        return 1;
    }
    int code = application.exec();
    editor.exit();
    return code;
}
