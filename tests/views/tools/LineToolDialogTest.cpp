#include "views/tools/LineToolDialog.h"
#include "framework/ScriptedDialogs.h"
#include "resources/DialogTemplates.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

DialogControl& widthField(ModalDialog& d)
{
    return control(d, 100);
}

class LineToolDialogTest : public testing::Test {
protected:
    LineToolDialogTest() { testApplication(); }

    std::optional<int> run(int width, ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runLineToolDialog(width);
    }
};

TEST_F(LineToolDialogTest, TheFieldShowsTheWidthInDotsAndOkAnswersWhatWasTyped)
{
    std::optional<int> width = run(4, [](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "線の種類");
        EXPECT_EQ(widthField(d).text(), "4");
        widthField(d).setText("12");
        d.press(okButtonId);
    });
    EXPECT_EQ(width, 12);
}

TEST_F(LineToolDialogTest, WidthsOutsideOneTo99KeepTheDialogOpen)
{
    struct Row {
        const char* text;
        std::optional<int> answer;
    };
    const Row rows[] = {{"0", std::nullopt}, {"100", std::nullopt}, {"1", 1}, {"99", 99}};
    for (const Row& row : rows) {
        std::optional<int> width = run(4, [&](ModalDialog& d) {
            widthField(d).setText(row.text);
            d.press(okButtonId);
            EXPECT_EQ(d.isOpen(), !row.answer) << row.text;
            if (d.isOpen()) {
                ASSERT_NE(d.focusedControl(), nullptr);
                EXPECT_EQ(d.focusedControl()->id(), 100) << row.text;
            }
        });
        EXPECT_EQ(width, row.answer) << row.text << ": the script cancels what it leaves open";
    }
}

TEST_F(LineToolDialogTest, CancelAnswersNothing)
{
    EXPECT_EQ(run(4,
                  [](ModalDialog& d) {
                      widthField(d).setText("50");
                      d.press(cancelButtonId);
                  }),
              std::nullopt);
}

} // namespace
