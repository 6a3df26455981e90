#include "framework/SingleInstance.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string uniqueName(const char* what)
{
    return std::string("tilvaner-test-") + what + "-" + std::to_string(getpid());
}

// Where a bare meeting-point name lives: the temporary folder.
std::string socketPath(const std::string& name)
{
    const char* temp = std::getenv("TMPDIR");
    return std::string(temp && *temp ? temp : "/tmp") + "/" + name;
}

// A message sent as it stands, as a foreign or older program might send it.
void sendRaw(const std::string& name, const std::string& message)
{
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath(name).c_str());
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // The editor may drop the connection part way through a refused message.
    signal(SIGPIPE, SIG_IGN);
    for (size_t at = 0; at < message.size();) {
        ssize_t sent = write(fd, message.data() + at, message.size() - at);
        if (sent <= 0)
            break;
        at += size_t(sent);
    }
    close(fd);
}

TEST(SingleInstanceTest, MessagesCarryTheirNamesAndSurviveDamage)
{
    std::vector<std::string> paths = {"/home/a.bmp", "/絵/b.tif", ""};
    EXPECT_EQ(SingleInstance::decode(SingleInstance::encode(paths)), paths);
    EXPECT_TRUE(SingleInstance::decode(SingleInstance::encode({})).empty());
    std::string cut = SingleInstance::encode({"/a", "/b"});
    cut.pop_back(); // the last name lost its end
    EXPECT_EQ(SingleInstance::decode(cut), std::vector<std::string>{"/a"});
    EXPECT_TRUE(SingleInstance::decode("\x01").empty());
}

TEST(SingleInstanceTest, ASecondStartHandsItsNamesToTheFirst)
{
    testApplication();
    std::string name = uniqueName("handover");
    SingleInstance second(name);
    EXPECT_FALSE(second.handOver({"/x.bmp"}, 200)) << "nobody is running yet";

    SingleInstance first(name);
    std::vector<std::vector<std::string>> received;
    ASSERT_TRUE(first.listen([&](const std::vector<std::string>& paths) { received.push_back(paths); }));
    ASSERT_TRUE(second.handOver({"/x.bmp", "/y.tif"}));
    ASSERT_TRUE(second.handOver({}));
    ASSERT_TRUE(runEvents(0, [&] { return received.size() == 2; }));
    EXPECT_EQ(received[0], (std::vector<std::string>{"/x.bmp", "/y.tif"}));
    EXPECT_TRUE(received[1].empty()) << "no names: just come to the front";
}

TEST(SingleInstanceTest, AMeetingPointLeftByACrashDoesNotStopTheNextStart)
{
    testApplication();
    std::string name = uniqueName("stale");
    // A socket bound and then abandoned, as a crashed instance leaves it.
    std::string path = socketPath(name);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);

    SingleInstance next(name);
    EXPECT_FALSE(next.handOver({"/a.bmp"}, 200));
    std::vector<std::string> received;
    ASSERT_TRUE(next.listen([&](const std::vector<std::string>& paths) { received = paths; }));
    ASSERT_TRUE(SingleInstance(name).handOver({"/a.bmp"}));
    EXPECT_TRUE(runEvents(0, [&] { return !received.empty(); }));
}

// Sets an environment variable for one scope and puts the old value back after it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(value);
    }
    ~ScopedEnv() { set(m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const char* value)
    {
        if (value)
            setenv(m_name, value, 1);
        else
            unsetenv(m_name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(SingleInstanceTest, TheMeetingPointFollowsTheRuntimeFolderAndTheDisplay)
{
    std::string user = "tilvaner-" + std::to_string(getuid());
    // The temporary folder must exist: Qt does not hand out one that does not.
    char folder[] = "/tmp/tilvaner-temp-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string scratch = folder;
    struct Row {
        const char* runtime;
        const char* display;
        const char* wayland;
        std::string expected;
    } rows[] = {
        {"/run/user/7", ":0", nullptr, "/run/user/7/" + user + "-_0"},
        {"/run/user/7", ":1", nullptr, "/run/user/7/" + user + "-_1"},
        {"/run/user/7", ":0", "wayland-1", "/run/user/7/" + user + "-wayland-1"},
        {"/run/user/7", "../../etc/x:0.0", nullptr, "/run/user/7/" + user + "-.._.._etc_x_0.0"},
        {"/run/user/7", nullptr, nullptr, "/run/user/7/" + user},
        {nullptr, ":0", nullptr, scratch + "/" + user + "-_0"},
        {"", ":0", nullptr, scratch + "/" + user + "-_0"},
    };
    ScopedEnv temp("TMPDIR", folder);
    for (const Row& row : rows) {
        ScopedEnv runtime("XDG_RUNTIME_DIR", row.runtime);
        ScopedEnv display("DISPLAY", row.display);
        ScopedEnv wayland("WAYLAND_DISPLAY", row.wayland);
        EXPECT_EQ(SingleInstance::nameForUser(), row.expected)
            << (row.runtime ? row.runtime : "-") << " " << (row.display ? row.display : "-");
    }
    std::filesystem::remove(folder);
}

TEST(SingleInstanceTest, EachDisplayHasAnInstanceOfItsOwn)
{
    testApplication();
    char folder[] = "/tmp/tilvaner-run-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ScopedEnv runtime("XDG_RUNTIME_DIR", folder);
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    std::string names[2];
    for (int i = 0; i < 2; ++i) {
        ScopedEnv display("DISPLAY", i == 0 ? ":0" : ":1");
        names[i] = SingleInstance::nameForUser();
    }
    {
        SingleInstance first(names[0]);
        SingleInstance second(names[1]);
        std::vector<std::string> toFirst, toSecond;
        ASSERT_TRUE(first.listen([&](const std::vector<std::string>& paths) { toFirst = paths; }));
        ASSERT_TRUE(second.listen([&](const std::vector<std::string>& paths) { toSecond = paths; }))
            << "the second display found the first display's editor";
        ASSERT_TRUE(SingleInstance(names[0]).handOver({"/a.bmp"}));
        ASSERT_TRUE(SingleInstance(names[1]).handOver({"/b.bmp"}));
        EXPECT_TRUE(runEvents(0, [&] { return !toFirst.empty() && !toSecond.empty(); }));
        EXPECT_EQ(toFirst, std::vector<std::string>{"/a.bmp"});
        EXPECT_EQ(toSecond, std::vector<std::string>{"/b.bmp"});
    }
    std::filesystem::remove_all(folder);
}

TEST(SingleInstanceTest, AnOversizedHandOverIsDroppedAndTheNextStillArrives)
{
    testApplication();
    std::string name = uniqueName("bounds");
    SingleInstance running(name);
    std::vector<std::vector<std::string>> received;
    ASSERT_TRUE(running.listen([&](const std::vector<std::string>& paths) { received.push_back(paths); }));
    // A message is its 4-byte count and each name with its ending zero.
    struct Row {
        size_t names;
        size_t nameLength;
        bool accepted;
    } rows[] = {
        {1000, 6, true}, {1001, 6, false}, {1, 65536 - 4 - 1, true}, {1, 65536 - 4, false}, {1, 100 * 1024, false},
    };
    for (const Row& row : rows) {
        received.clear();
        std::vector<std::string> paths(row.names, std::string(row.nameLength, 'a'));
        sendRaw(name, SingleInstance::encode(paths));
        ASSERT_TRUE(SingleInstance(name).handOver({"/after.bmp"}));
        size_t expected = row.accepted ? 2 : 1;
        ASSERT_TRUE(runEvents(0, [&] { return received.size() == expected; })) << row.names << " x " << row.nameLength;
        runEvents(100);
        ASSERT_EQ(received.size(), expected) << row.names << " x " << row.nameLength;
        EXPECT_NE(std::find(received.begin(), received.end(), std::vector<std::string>{"/after.bmp"}), received.end());
        if (row.accepted) {
            EXPECT_NE(std::find(received.begin(), received.end(), paths), received.end());
        }
    }
}

TEST(SingleInstanceTest, ALongListIsHandedOverInMessagesWithinTheBounds)
{
    // 2500 names, or names that fill more than one message's bytes, all arrive, in order.
    struct Row {
        size_t names;
        size_t nameLength;
        size_t messages;
    } rows[] = {{0, 1, 1}, {1000, 6, 1}, {2500, 6, 3}, {40, 4000, 3}};
    for (const Row& row : rows) {
        std::vector<std::string> paths;
        for (size_t i = 0; i < row.names; ++i)
            paths.push_back(std::to_string(i) + std::string(row.nameLength, 'a'));
        std::vector<std::string> messages = SingleInstance::encodeInBatches(paths);
        EXPECT_EQ(messages.size(), row.messages) << row.names << " x " << row.nameLength;
        std::vector<std::string> decoded;
        for (const std::string& message : messages) {
            EXPECT_TRUE(SingleInstance::withinBounds(message));
            std::vector<std::string> part = SingleInstance::decode(message);
            decoded.insert(decoded.end(), part.begin(), part.end());
        }
        EXPECT_EQ(decoded, paths);
    }

    testApplication();
    std::string name = uniqueName("batches");
    SingleInstance running(name);
    std::vector<std::string> received;
    ASSERT_TRUE(running.listen(
        [&](const std::vector<std::string>& paths) { received.insert(received.end(), paths.begin(), paths.end()); }));
    std::vector<std::string> paths(2500, "/pictures/sprite.bmp");
    ASSERT_TRUE(SingleInstance(name).handOver(paths));
    ASSERT_TRUE(runEvents(0, [&] { return received.size() == paths.size(); }));
}

} // namespace
