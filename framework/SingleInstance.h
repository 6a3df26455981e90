#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLocalServer;

// One running editor per user and display. A later start hands its file names to the running one and
// ends; the running one receives them on its user-interface thread. No names means "come to the
// front". A hand-over larger than maxMessageBytes or with more than maxNames names is dropped unread.
class SingleInstance {
public:
    static constexpr size_t maxMessageBytes = 64 * 1024;
    static constexpr uint32_t maxNames = 1000;

    // name: the meeting point, a socket path or a bare name in the temporary folder.
    explicit SingleInstance(std::string name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The meeting point for this user on this display: in XDG_RUNTIME_DIR (the temporary folder
    // when that is unset), named after the display so that each display runs an editor of its own.
    static std::string nameForUser();

    // Sends paths to the running instance, in as many messages as its bounds need; false when none
    // answers.
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
    // The messages for paths, each within the bounds; one message even for no paths.
    static std::vector<std::string> encodeInBatches(const std::vector<std::string>& paths);
    // Whether a message, whole or its start so far, is within the bounds.
    static bool withinBounds(const std::string& message);

private:
    bool send(const std::string& message, int timeoutMs);

    std::string m_name;
    std::unique_ptr<QLocalServer> m_server;
};
