#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLocalServer;

// One running editor per user. A later start hands its file names to the running one and ends; the
// running one receives them on its user-interface thread. No names means "come to the front".
class SingleInstance {
public:
    // name: the meeting point, one per user.
    explicit SingleInstance(std::string name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The name for this user.
    static std::string nameForUser();

    // Sends paths to the running instance; false when none answers.
    bool handOver(const std::vector<std::string>& paths, int timeoutMs = 2000);
    // Becomes the running instance; names handed over from now on reach receive. A meeting point
    // left behind by an instance that crashed is cleared first; false when another instance is
    // already there.
    bool listen(std::function<void(const std::vector<std::string>&)> receive);

    // The message for paths: their count as 4 bytes, little-endian, then each path ending in a zero.
    static std::string encode(const std::vector<std::string>& paths);
    // The paths of a message; a message that does not hold what its count says gives the whole names
    // it does hold.
    static std::vector<std::string> decode(const std::string& message);

private:
    std::string m_name;
    std::unique_ptr<QLocalServer> m_server;
};
