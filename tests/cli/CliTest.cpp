#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(CliTest, HelpGoesToStandardOutputAndAnythingElseFails)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("usage: tilvaner-cli"), std::string::npos);
    EXPECT_TRUE(err.str().empty());

    std::ostringstream out2, err2;
    EXPECT_EQ(runCli({"frobnicate"}, out2, err2), 1);
    EXPECT_TRUE(out2.str().empty());
    EXPECT_NE(err2.str().find("usage"), std::string::npos);
}

} // namespace
