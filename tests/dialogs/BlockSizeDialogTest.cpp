#include "dialogs/BlockSizeDialog.h"
#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "framework/ScriptedDialogs.h"
#include "resources/DialogTemplates.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

class BlockSizeDialogTest : public testing::Test {
protected:
    BlockSizeDialogTest()
    {
        testApplication();
        preferences.blockSize.setPoint({16, 16});
        document = new BitmapDocument(preferences);
        NewDocumentParams params = NewDocumentParams::fromPreferences(preferences);
        params.fullColor = true;
        params.blockSize = {8, 24};
        params.imageSize = {4, 4};
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        holder.setModel(document);
        preferencesHeard.follow(&preferences.blockSize);
    }

    bool run(ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runBlockSizeDialog(*document, preferences);
    }

    NewParams preferences;
    BitmapDocument* document;
    // The document lives as long as it has a follower.
    Listener holder;
    Listener preferencesHeard;
};

TEST_F(BlockSizeDialogTest, OkStoresTheSizeInTheDocumentAndInTheDefaultsOfNewPictures)
{
    EXPECT_TRUE(run([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "ブロックサイズ");
        EXPECT_EQ(control(d, 101).text(), "8") << "the document's block size, not the preference";
        EXPECT_EQ(control(d, 102).text(), "24");
        control(d, 101).setText("999");
        control(d, 102).setText("4");
        d.press(okButtonId);
    }));
    EXPECT_EQ(document->blockSetting(), (Point{999, 4}));
    EXPECT_EQ(preferences.blockSize.point(), (Point{999, 4}));
    EXPECT_GT(preferencesHeard.count(), 0) << "whoever shows the preferences follows them";
    EXPECT_TRUE(document->isModified());
}

TEST_F(BlockSizeDialogTest, OkWithTheSameSizeLeavesTheDocumentUnmodified)
{
    EXPECT_TRUE(run([](ModalDialog& d) { d.press(okButtonId); }));
    EXPECT_EQ(document->blockSetting(), (Point{8, 24}));
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(preferences.blockSize.point(), (Point{8, 24})) << "new pictures follow the last OK";
}

TEST_F(BlockSizeDialogTest, CancelChangesNothing)
{
    EXPECT_FALSE(run([](ModalDialog& d) {
        control(d, 101).setText("40");
        control(d, 102).setText("50");
        d.press(cancelButtonId);
    }));
    EXPECT_EQ(document->blockSetting(), (Point{8, 24}));
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(preferences.blockSize.point(), (Point{16, 16}));
    EXPECT_EQ(preferencesHeard.count(), 0);
}

TEST_F(BlockSizeDialogTest, SizesOutsideFourTo999AreRefused)
{
    struct Row {
        int id;
        const char* text;
    };
    const Row rows[] = {{101, "3"}, {102, "1000"}, {101, ""}, {102, "1f"}, {101, "-8"}};
    for (const Row& row : rows) {
        EXPECT_FALSE(run([&](ModalDialog& d) {
            control(d, row.id).setText(row.text);
            d.press(okButtonId);
            EXPECT_TRUE(d.isOpen()) << row.id << " " << row.text;
            ASSERT_NE(d.focusedControl(), nullptr);
            EXPECT_EQ(d.focusedControl()->id(), row.id);
        })) << "the script cancels what it leaves open";
    }
    EXPECT_EQ(document->blockSetting(), (Point{8, 24}));
    EXPECT_EQ(preferences.blockSize.point(), (Point{16, 16}));
}

} // namespace
