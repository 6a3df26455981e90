#include "framework/Application.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationTest, QtsOwnButtonsAndDialogsSpeakJapanese)
{
    testApplication();
    EXPECT_EQ(Application::platformText("QPlatformTheme", "Cancel"), "キャンセル");
    EXPECT_NE(Application::platformText("QFileDialog", "File &name:"), "File &name:");
}

} // namespace
