#include "framework/SingleInstance.h"

#include "base/ErrorFrame.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <cctype>
#include <cstdlib>
#include <unistd.h>

SingleInstance::SingleInstance(std::string name) : m_name(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

namespace {

// The display as a file-name part: anything but letters, digits, '.', '-' and '_' becomes '_'.
std::string displayPart()
{
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* display = wayland && *wayland ? wayland : std::getenv("DISPLAY");
    std::string part = display ? display : "";
    for (char& c : part) {
        if (!std::isalnum(uint8_t(c)) && c != '.' && c != '-' && c != '_')
            c = '_';
    }
    return part;
}

uint32_t countOf(const std::string& message)
{
    uint32_t count = 0;
    for (int i = 0; i < 4; ++i)
        count |= uint32_t(uint8_t(message[size_t(i)])) << (8 * i);
    return count;
}

} // namespace

std::string SingleInstance::nameForUser()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = runtime && *runtime ? runtime : QDir::tempPath().toStdString();
    std::string name = folder + "/tilvaner-" + std::to_string(getuid());
    std::string display = displayPart();
    return display.empty() ? name : name + "-" + display;
}

std::string SingleInstance::encode(const std::vector<std::string>& paths)
{
    std::string message(4, '\0');
    uint32_t count = uint32_t(paths.size());
    for (int i = 0; i < 4; ++i)
        message[size_t(i)] = char(count >> (8 * i));
    for (const std::string& path : paths)
        message.append(path).push_back('\0');
    return message;
}

std::vector<std::string> SingleInstance::decode(const std::string& message)
{
    std::vector<std::string> paths;
    if (message.size() < 4)
        return paths;
    uint32_t count = countOf(message);
    size_t at = 4;
    while (paths.size() < count && at < message.size()) {
        size_t end = message.find('\0', at);
        if (end == std::string::npos)
            break;
        paths.push_back(message.substr(at, end - at));
        at = end + 1;
    }
    return paths;
}

std::vector<std::string> SingleInstance::encodeInBatches(const std::vector<std::string>& paths)
{
    std::vector<std::string> messages;
    std::vector<std::string> batch;
    size_t bytes = 4;
    for (const std::string& path : paths) {
        if (!batch.empty() && (batch.size() == maxNames || bytes + path.size() + 1 > maxMessageBytes)) {
            messages.push_back(encode(batch));
            batch.clear();
            bytes = 4;
        }
        batch.push_back(path);
        bytes += path.size() + 1;
    }
    if (!batch.empty() || messages.empty())
        messages.push_back(encode(batch));
    return messages;
}

bool SingleInstance::withinBounds(const std::string& message)
{
    return message.size() <= maxMessageBytes && (message.size() < 4 || countOf(message) <= maxNames);
}

bool SingleInstance::handOver(const std::vector<std::string>& paths, int timeoutMs)
{
    for (const std::string& message : encodeInBatches(paths)) {
        if (!send(message, timeoutMs))
            return false;
    }
    return true;
}

bool SingleInstance::send(const std::string& message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(m_name));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(message.data(), qint64(message.size()));
    bool sent = socket.waitForBytesWritten(timeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return sent;
}

bool SingleInstance::listen(std::function<void(const std::vector<std::string>&)> receive)
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QString name = QString::fromStdString(m_name);
    if (!m_server->listen(name)) {
        // Another start may have become the running one meanwhile; only a meeting point that
        // nobody answers at is stale and may go.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(500))
            return false;
        QLocalServer::removeServer(name);
        if (!m_server->listen(name))
            return false;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this, receive] {
        while (QLocalSocket* client = m_server->nextPendingConnection()) {
            auto message = std::make_shared<std::string>();
            auto refused = std::make_shared<bool>(false);
            // A bounded buffer keeps a flood from filling memory before the check below sees it.
            client->setReadBufferSize(qint64(maxMessageBytes) + 1);
            auto take = [client, message, refused] {
                if (*refused)
                    return;
                QByteArray bytes = client->readAll();
                message->append(bytes.constData(), size_t(bytes.size()));
                if (!withinBounds(*message)) {
                    *refused = true;
                    message->clear();
                    client->abort();
                }
            };
            QObject::connect(client, &QLocalSocket::readyRead, client, take);
            QObject::connect(client, &QLocalSocket::disconnected, client, [client, message, refused, receive, take] {
                take();
                client->deleteLater();
                if (!*refused)
                    guardCallback([&] { receive(decode(*message)); });
            });
        }
    });
    return true;
}
