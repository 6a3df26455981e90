#pragma once

#include <functional>
#include <memory>
#include <string>

class QApplication;
class QTranslator;

// The one application object of the process, made before any window and kept until exit.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the main loop until the program quits; answers the exit code.
    int exec();
    // Ends the main loop with code.
    static void quit(int code);
    // Delivers the events that are waiting, and those that arrive within maxMs.
    static void processEvents(int maxMs);
    // Delivers events as they arrive for ms milliseconds, the thread sleeping between them as the
    // main loop's does.
    static void waitForEvents(int ms);
    // Whether the screen shows 256 colours or fewer, so that pictures cannot look as they are.
    static bool isPaletteDisplay();
    // A text of the platform's own dialogs and buttons (Qt's context and source text) as they show it.
    static std::string platformText(const char* context, const char* text);
    // Whether a modal dialog or message box is open.
    static bool isModalOpen();
    // The platform's warning sound, for a click where nothing can be done.
    static void beep();
    // Asked on the loop's thread when the session ends the program (SIGTERM, SIGINT, SIGHUP), so
    // that it can close as if the user had chosen Exit.
    void onTerminate(std::function<void()> handler);

private:
    std::unique_ptr<QApplication> m_application;
    std::unique_ptr<QTranslator> m_qtTexts;
    std::function<void()> m_terminate;
};
