#include "app/Tilvaner.h"
#include "base/Alert.h"
#include "base/BusyPointer.h"
#include "base/ErrorFrame.h"
#include "formats/ReplacingWrite.h"
#include "framework/Application.h"
#include "framework/ColorChooser.h"
#include "framework/DesktopBusyPointer.h"
#include "framework/DesktopFileDialogs.h"
#include "framework/DesktopFolderChooser.h"
#include "framework/DesktopKeyState.h"
#include "framework/DesktopMessageBox.h"
#include "framework/DesktopServices.h"

#include <csignal>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // A file-size limit fails the write, which is reported like any other. Until the loop takes the
    // session's signals over (its writes then finish before it ends), they remove a write's new file.
    std::signal(SIGXFSZ, SIG_IGN);
    removeTemporaryFileOnSignals();
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
        // Before the start, which already listens for other starts: a signal that comes while the
        // editor is still starting waits in the loop instead of killing it.
        application.onTerminate([&editor] { editor.requestExit(); });
        if (!editor.start(arguments))
            return 0;
        editor.passCommandLine(arguments);
    } catch (...) {
        reportError(currentError(), 0, std::nullopt);
        return 1;
    }
    int code = application.exec();
    editor.exit();
    return code;
}
