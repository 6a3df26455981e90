#include "framework/Application.h"

#include "base/ErrorFrame.h"
#include "framework/MouseOpening.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QScreen>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a descriptor; the loop reads the other end.
int g_signalPipe[2] = {-1, -1};

void signalArrived(int)
{
    char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

Application::Application(int& argc, char** argv)
    : m_application(std::make_unique<QApplication>(argc, argv)), m_qtTexts(std::make_unique<QTranslator>())
{
    QApplication::setApplicationName("Tilvaner");
    // The program speaks Japanese, and so must Qt's own dialogs and buttons inside it.
    if (m_qtTexts->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qtTexts.get());
}

Application::~Application() = default;

int Application::exec()
{
    return QApplication::exec();
}

void Application::quit(int code)
{
    // Outside a loop (tests drive the program without one) there is nothing to end, and a pending
    // quit would end the next modal dialog at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(code);
}

std::string Application::platformText(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

void Application::processEvents(int maxMs)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, maxMs);
    // Outside the main loop, windows closed meanwhile are only deleted when asked.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Application::waitForEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Application::isPaletteDisplay()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() <= 8;
}

bool Application::isModalOpen()
{
    return QApplication::activeModalWidget() != nullptr || leavingOpenRunActive();
}

void Application::beep()
{
    QApplication::beep();
}

void Application::onTerminate(std::function<void()> handler)
{
    m_terminate = std::move(handler);
    if (g_signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, m_application.get());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this] {
        char byte;
        [[maybe_unused]] ssize_t read = ::read(g_signalPipe[1], &byte, 1);
        guardCallback([this] { m_terminate(); });
    });
    struct sigaction action {};
    action.sa_handler = signalArrived;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
