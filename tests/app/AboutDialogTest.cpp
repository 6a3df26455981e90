#include "app/AboutDialog.h"
#include "framework/DialogPage.h"
#include "framework/ScriptedDialogs.h"
#include "resources/DialogTemplates.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

TEST(AboutDialogTest, ShowsTheProductAndItsVersionAndClosesWithOk)
{
    testApplication();
    // Numbers joined by dots, as CMake's project version is.
    std::string version = programVersion();
    EXPECT_TRUE(
        !version.empty() && std::isdigit(uint8_t(version.front())) && std::isdigit(uint8_t(version.back())) &&
        version.find('.') != std::string::npos &&
        std::all_of(version.begin(), version.end(), [](char c) { return std::isdigit(uint8_t(c)) || c == '.'; }))
        << version;

    ScriptedDialogs script;
    bool seen = false;
    script.answerNext([&](ModalDialog& d) {
        seen = true;
        EXPECT_EQ(d.caption(), "Tilvanerについて");
        bool named = false;
        for (const ControlTemplate& c : d.page(0).dialogTemplate().controls)
            named = named || std::string(c.text) == "Tilvaner";
        EXPECT_TRUE(named);
        EXPECT_EQ(control(d, 100).text(), "バージョン " + programVersion());
        d.press(okButtonId);
        EXPECT_FALSE(d.isOpen());
        EXPECT_EQ(d.result(), okButtonId);
    });
    runAboutDialog();
    EXPECT_TRUE(seen);
    EXPECT_EQ(script.shownCount(), 1);
}

} // namespace
