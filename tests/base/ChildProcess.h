#pragma once

#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Runs work in a child process and answers the text it returns, or nothing when the child does not
// finish within seconds (it is killed then) or ends without answering. A fault that would hang the
// test program, or a change of user, stays in the child.
inline std::optional<std::string> inChild(const std::function<std::string()>& work, int seconds = 10)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string text;
        try {
            text = work();
        } catch (...) {
            ::_exit(2);
        }
        bool sent = ::write(channel[1], text.data(), text.size()) == ssize_t(text.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string text;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    bool ended = false;
    while (!ended && std::chrono::steady_clock::now() < deadline) {
        pollfd wait{channel[0], POLLIN, 0};
        if (::poll(&wait, 1, 100) <= 0)
            continue;
        char buffer[512];
        ssize_t got = ::read(channel[0], buffer, sizeof buffer);
        if (got > 0)
            text.append(buffer, size_t(got));
        ended = got <= 0;
    }
    ::close(channel[0]);
    if (!ended)
        ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}
