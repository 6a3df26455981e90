#include "dialogs/PasteSettingsDialog.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/NewParams.h"
#include "document/SelectionRecord.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "resources/VirtualKey.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class PasteSettingsDialogTest : public testing::Test {
protected:
    PasteSettingsDialogTest()
    {
        testApplication();
        document = new BitmapDocument(NewParams::current());
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.imageSize = {4, 4};
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        listener = std::make_unique<Listener>(document);
    }

    bool run(ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runPasteSettingsDialog(*document);
    }
    int heard() const { return listener->count(&aspects::BitmapSelectionPlug::access); }

    BitmapDocument* document;
    std::unique_ptr<Listener> listener;
};

TEST_F(PasteSettingsDialogTest, TheButtonsShowTheModeAndOkStoresTheChosenOne)
{
    EXPECT_TRUE(run([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "貼り付け設定");
        EXPECT_EQ(control(d, 100).text(), "背景色透過");
        EXPECT_EQ(control(d, 101).text(), "すべて貼り付け");
        EXPECT_EQ(control(d, 102).text(), "奥に貼り付け");
        EXPECT_EQ(control(d, 103).text(), "内部に貼り付け");
        EXPECT_TRUE(control(d, 100).isChecked()) << "a new picture pastes in mode 0";
        control(d, 103).click();
        d.press(okButtonId);
    }));
    EXPECT_EQ(document->pasteMode(), 3);
    EXPECT_TRUE(run([](ModalDialog& d) {
        EXPECT_TRUE(control(d, 103).isChecked());
        EXPECT_FALSE(control(d, 100).isChecked());
        d.press(okButtonId);
    }));
    EXPECT_EQ(heard(), 0) << "no selection to tell of";
}

TEST_F(PasteSettingsDialogTest, EnterInTheFreshDialogPressesOk)
{
    EXPECT_TRUE(run([](ModalDialog& d) { syntheticInput::pressKey(*d.focusedControl(), keys::enter, 0); }));
    EXPECT_EQ(document->pasteMode(), 0);
}

TEST_F(PasteSettingsDialogTest, OkGivesASelectionOfAnotherModeTheNewOneAndCancelNothing)
{
    auto record = std::make_shared<SelectionRecord>();
    record->region.setRect({0, 0, 2, 2});
    document->selectionPlug().setSelection(record);
    int before = heard();
    EXPECT_FALSE(run([](ModalDialog& d) {
        control(d, 101).click();
        d.press(cancelButtonId);
    }));
    EXPECT_EQ(document->pasteMode(), 0);
    EXPECT_EQ(document->selection()->pasteMode, 0);
    EXPECT_EQ(heard(), before);
    EXPECT_TRUE(run([](ModalDialog& d) {
        control(d, 102).click();
        d.press(okButtonId);
    }));
    EXPECT_EQ(document->pasteMode(), 2);
    EXPECT_EQ(document->selection()->pasteMode, 2);
    EXPECT_EQ(heard(), before + 1);
    document->undo();
    EXPECT_EQ(document->selection()->pasteMode, 0) << "the mode change is one undo step";
}

} // namespace
