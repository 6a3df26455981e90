#include "framework/KeyState.h"
#include "framework/DesktopKeyState.h"
#include "framework/ScriptedKeyState.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyStateTest, CapsLockReadsWhatTheInstalledServiceSaysAndOffWithoutOne)
{
    EXPECT_FALSE(capsLockOn());
    {
        ScriptedKeyState outer;
        outer.setCapsLock(true);
        EXPECT_TRUE(capsLockOn());
        {
            ScriptedKeyState inner;
            EXPECT_FALSE(capsLockOn());
        }
        EXPECT_TRUE(capsLockOn()) << "a replaced service comes back";
    }
    EXPECT_FALSE(capsLockOn());
}

TEST(KeyStateTest, TheDesktopReadsCapsLockOffWithoutAnXDisplay)
{
    testApplication();
    DesktopKeyState desktop;
    KeyStateService* previous = installKeyState(&desktop);
    EXPECT_FALSE(capsLockOn()) << "the tests run offscreen";
    EXPECT_EQ(installKeyState(previous), &desktop);
}

} // namespace
