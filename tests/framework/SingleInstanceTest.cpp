#include "framework/SingleInstance.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string uniqueName(const char* what)
{
    return std::string("tilvaner-test-") + what + "-" + std::to_string(getpid());
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
    const char* temp = std::getenv("TMPDIR");
    std::string path = std::string(temp && *temp ? temp : "/tmp") + "/" + name;
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

} // namespace
