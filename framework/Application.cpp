#include "framework/Application.h"

#include <QApplication>

Application::Application(int& argc, char** argv) : m_application(std::make_unique<QApplication>(argc, argv))
{
    QApplication::setApplicationName("Tilvaner");
}

Application::~Application() = default;

int Application::exec()
{
    return QApplication::exec();
}

void Application::processEvents(int maxMs)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, maxMs);
}
