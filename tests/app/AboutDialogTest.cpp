#include "app/AboutDialog.h"
#include "framework/DialogControl.h"
#include "framework/DialogPage.h"
#include "framework/ScriptedDialogs.h"
#include "resources/DialogTemplates.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

TEST(AboutDialogTest, ShowsTheProductAndItsVersionAndClosesWithOk)
{
    testApplication();
    EXPECT_TRUE(std::regex_match(programVersion(), std::regex(R"(\d+\.\d+(\.\d+)*)"))) << programVersion();

    ScriptedDialogs script;
    bool seen = false;
    script.answerNext([&](ModalDialog& d) {
        seen = true;
        EXPECT_EQ(d.caption(), "Tilvanerについて");
        bool named = false;
        for (const ControlTemplate& c : d.page(0).spec().controls)
            named = named || std::string(c.text) == "Tilvaner";
        EXPECT_TRUE(named);
        EXPECT_EQ(d.page(0).control(100)->text(), "バージョン " + programVersion());
        d.press(okButtonId);
        EXPECT_FALSE(d.isOpen());
        EXPECT_EQ(d.result(), okButtonId);
    });
    runAboutDialog();
    EXPECT_TRUE(seen);
    EXPECT_EQ(script.shownCount(), 1);
}

} // namespace
