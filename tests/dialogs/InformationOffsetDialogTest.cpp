#include "dialogs/InformationOffsetDialog.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "framework/ScriptedDialogs.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class InformationOffsetDialogTest : public testing::Test {
protected:
    InformationOffsetDialogTest()
    {
        testApplication();
        document = new BitmapDocument(NewParams::current());
        document->newContent({true, 0, rgb(255, 255, 255), {8, 8}, {4, 4}}, "", "t");
        document->information().setOffset({12, 34}, false);
        document->setModified(false);
        listener = std::make_unique<Listener>(document);
    }
    bool run(ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runInformationOffsetDialog(*document);
    }
    int heard() const { return listener->count(&aspects::InformationPlug::access); }

    BitmapDocument* document;
    std::unique_ptr<Listener> listener;
};

TEST_F(InformationOffsetDialogTest, ShowsTheOffsetAndOkStoresWhatWasEntered)
{
    EXPECT_TRUE(run([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "情報オプション");
        EXPECT_EQ(control(d, 101).text(), "12");
        EXPECT_EQ(control(d, 102).text(), "34");
        EXPECT_EQ(control(d, 103).text(), "↓方向が＋");
        EXPECT_EQ(control(d, 104).text(), "↑方向が＋");
        EXPECT_TRUE(control(d, 103).isChecked());
        control(d, 101).setText("0");
        control(d, 102).setText("9999");
        control(d, 104).click();
        d.press(okButtonId);
    }));
    EXPECT_EQ(document->information().offset(), (Point{0, 9999}));
    EXPECT_TRUE(document->information().yUp());
    EXPECT_EQ(heard(), 1);
    EXPECT_TRUE(document->isModified());

    run([](ModalDialog& d) {
        EXPECT_TRUE(control(d, 104).isChecked()) << "the next opening starts from the stored direction";
        d.press(cancelButtonId);
    });
}

TEST_F(InformationOffsetDialogTest, CancelRefusedValuesAndTheSameValuesChangeNothing)
{
    EXPECT_FALSE(run([](ModalDialog& d) {
        control(d, 101).setText("50");
        control(d, 104).click();
        d.press(cancelButtonId);
    }));
    struct Row {
        int id;
        const char* text;
    };
    for (const Row& row : {Row{101, "-1"}, Row{102, "10000"}, Row{101, ""}}) {
        EXPECT_FALSE(run([&](ModalDialog& d) {
            control(d, row.id).setText(row.text);
            d.press(okButtonId);
            EXPECT_TRUE(d.isOpen()) << row.id << " " << row.text;
        }));
    }
    EXPECT_TRUE(run([](ModalDialog& d) { d.press(okButtonId); }));
    EXPECT_EQ(document->information().offset(), (Point{12, 34}));
    EXPECT_FALSE(document->information().yUp());
    EXPECT_EQ(heard(), 0);
    EXPECT_FALSE(document->isModified());
}

} // namespace
