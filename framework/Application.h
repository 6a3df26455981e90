#pragma once

#include <memory>

class QApplication;

// The one application object of the process, made before any window and kept until exit.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the main loop until the program quits; answers the exit code.
    int exec();
    // Delivers the events that are waiting, and those that arrive within maxMs.
    static void processEvents(int maxMs);

private:
    std::unique_ptr<QApplication> m_application;
};
