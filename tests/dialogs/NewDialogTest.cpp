#include "dialogs/NewDialog.h"
#include "document/NewParams.h"
#include "framework/ScriptedColorChooser.h"
#include "framework/ScriptedDialogs.h"
#include "resources/DialogTemplates.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

class NewDialogTest : public testing::Test {
protected:
    NewDialogTest()
    {
        testApplication();
        preferences.backgroundIndex.setValue(0x1f);
        preferences.backgroundColour.setValue(rgb(0, 128, 255));
        preferences.blockSize.setPoint({8, 24});
        preferences.canvasSize.setPoint({320, 200});
        preferences.meshSize.setPoint({32, 32});
    }

    std::optional<NewDocumentParams> run(ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runNewDialog(preferences);
    }

    NewParams preferences;
};

TEST_F(NewDialogTest, OkAnswersTheParametersAndStoresThemAsTheNextDefaults)
{
    ScriptedColorChooser chooser;
    chooser.answerNext(rgb(9, 8, 7));
    std::optional<NewDocumentParams> params = run([](ModalDialog& d) {
        EXPECT_TRUE(control(d, 100).isChecked());
        EXPECT_EQ(control(d, 103).text(), "1F");
        EXPECT_EQ(control(d, 104).color(), rgb(0, 128, 255));
        EXPECT_EQ(control(d, 105).text(), "8");
        EXPECT_EQ(control(d, 106).text(), "24");
        EXPECT_EQ(control(d, 107).text(), "320");
        EXPECT_EQ(control(d, 108).text(), "200");
        control(d, 101).click();
        control(d, 103).setText("a0");
        control(d, 104).click();
        control(d, 105).setText("16");
        control(d, 108).setText("10000");
        d.press(okButtonId);
    });
    ASSERT_TRUE(params);
    EXPECT_TRUE(params->fullColor);
    EXPECT_EQ(params->backgroundIndex, 0xa0);
    EXPECT_EQ(params->backgroundColor, rgb(9, 8, 7));
    EXPECT_EQ(params->blockSize, (Point{16, 24}));
    EXPECT_EQ(params->imageSize, (Point{320, 10000}));

    EXPECT_EQ(preferences.backgroundIndex.value(), 0xa0);
    EXPECT_EQ(preferences.backgroundColour.value(), rgb(9, 8, 7));
    EXPECT_EQ(preferences.blockSize.point(), (Point{16, 24}));
    EXPECT_EQ(preferences.canvasSize.point(), (Point{320, 10000}));
    EXPECT_EQ(preferences.meshSize.point(), (Point{32, 32})) << "the dialog has no say over the mesh";

    // The colour mode is kept with the rest for the next New.
    params = run([](ModalDialog& d) {
        EXPECT_FALSE(control(d, 100).isChecked());
        EXPECT_TRUE(control(d, 101).isChecked());
        d.press(okButtonId);
    });
    ASSERT_TRUE(params);
    EXPECT_TRUE(params->fullColor);
    EXPECT_EQ(NewParams().colorMode.value(), 0) << "a run starts at 256 colours";
}

TEST_F(NewDialogTest, CancelAnswersNothingAndTellsTheDefaultsNothing)
{
    ScriptedColorChooser chooser;
    chooser.answerNext(rgb(9, 8, 7));
    Listener block(&preferences.blockSize);
    Listener colour(&preferences.backgroundColour);
    std::optional<NewDocumentParams> params = run([](ModalDialog& d) {
        control(d, 105).setText("40");
        control(d, 104).click();
        d.press(cancelButtonId);
    });
    EXPECT_FALSE(params);
    EXPECT_EQ(preferences.blockSize.point(), (Point{8, 24}));
    EXPECT_EQ(preferences.backgroundColour.value(), rgb(0, 128, 255));
    EXPECT_EQ(block.count(), 0);
    EXPECT_EQ(colour.count(), 0);
}

TEST_F(NewDialogTest, SizesOutsideTheirRangesAreRefused)
{
    struct Row {
        int id;
        const char* text;
    };
    const Row rows[] = {{105, "3"}, {106, "1000"}, {107, "0"}, {108, "10001"}, {103, "100"}, {103, "-1"}};
    for (const Row& row : rows) {
        std::optional<NewDocumentParams> params = run([&](ModalDialog& d) {
            control(d, row.id).setText(row.text);
            d.press(okButtonId);
            EXPECT_TRUE(d.isOpen()) << row.id << " " << row.text;
            ASSERT_NE(d.focusedControl(), nullptr);
            EXPECT_EQ(d.focusedControl()->id(), row.id);
        });
        EXPECT_FALSE(params) << "the script cancels what it leaves open";
    }
    EXPECT_EQ(preferences.canvasSize.point(), (Point{320, 200}));
}

} // namespace
