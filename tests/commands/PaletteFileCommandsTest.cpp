#include "commands/PaletteFileCommands.h"
#include "base/FilePath.h"
#include "base/ScriptedMessageBox.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "formats/PaletteFiles.h"
#include "framework/ScriptedDialogs.h"
#include "framework/ScriptedFileDialogs.h"
#include "palette/ColorDragger.h"
#include "palette/ColorSelectionModel.h"
#include "panels/PaletteGrid.h"
#include "panels/PaletteGridDialog.h"
#include "resources/StringTable.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

ColorSelectionModel& selectionOf(ModalDialog& dialog)
{
    return static_cast<PaletteGrid*>(control(dialog, PaletteGridDialog::gridId).component())->selection();
}

class PaletteFileCommandsTest : public testing::Test {
protected:
    PaletteFileCommandsTest()
    {
        testApplication();
        folder = testing::TempDir() + "tilvaner-palette-files-" + std::to_string(::getpid());
        std::filesystem::create_directories(folder);
        document = new BitmapDocument(preferences);
        document->newContent({false, 0, 0, {4, 4}, {8, 8}}, "/nonexistent/default.rgb", "untitled");
        for (int i = 0; i < 256; ++i)
            document->palette()->setColorAt(i, rgb(uint8_t(i), 1, 2));
        document->palette()->changed();
        listener = std::make_unique<Listener>(document);
    }
    ~PaletteFileCommandsTest() override { std::filesystem::remove_all(folder); }

    std::vector<ColorRef> colorsIn(const std::string& path)
    {
        FilePath file;
        file.setFullPath(path);
        return readPaletteFile(file).palette.colors;
    }

    NewParams preferences;
    std::string folder;
    BitmapDocument* document;
    std::unique_ptr<Listener> listener;
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedMessageBox messages;
};

TEST_F(PaletteFileCommandsTest, SaveWritesTheChosenRowsInTheChosenFormatAfterAskingAboutItsExtension)
{
    dialogs.answerNext([](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "パレットの保存");
        selectionOf(d).selectOnlyRow(5);
        selectionOf(d).addRow(2, false);
        d.press(okButtonId);
    });
    std::string gpl = folder + "/rows.gpl";
    files.answerNext(FileChoice{folder + "/rows.txt", 2});
    files.answerNext(FileChoice{gpl, 2});
    messages.answerNext(alertAnswer::no);
    savePaletteFile(*document, 0, nullptr);
    EXPECT_EQ(messages.messageIds(), std::vector<int>{messages::extensionMismatch});
    std::vector<ColorRef> saved = colorsIn(gpl);
    ASSERT_EQ(saved.size(), 32u);
    EXPECT_EQ(saved[0], rgb(32, 1, 2)) << "rows ascending";
    EXPECT_EQ(saved[16], rgb(80, 1, 2));

    // No row, or Cancel, asks for no file.
    dialogs.answerNext([](ModalDialog& d) {
        selectionOf(d).addRow(2, false);
        selectionOf(d).selectOnlyRow(3);
        selectionOf(d).addRow(3, false);
        d.press(okButtonId);
    });
    savePaletteFile(*document, 0, nullptr);
    savePaletteFile(*document, 0, nullptr);
    EXPECT_EQ(files.requests().size(), 1u);
}

TEST_F(PaletteFileCommandsTest, LoadPlacesTheDraggedBlockAsOneUndoStepAndRefusesShortFiles)
{
    std::string hex = folder + "/three.hex";
    std::ofstream(hex) << "#0A0B0C\n0d0e0f\n101112";
    files.answerNext(FileChoice{hex, 1});
    dialogs.answerNext([&](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "パレットの読み込み");
        EXPECT_EQ(document->palette()->colorAt(1), rgb(13, 14, 15)) << "shown at once from entry 0";
        EXPECT_TRUE(selectionOf(d).includes(2));
        interfaceFor(&selectionOf(d), &aspects::ColorSelectionModel::dragger)->drop(16, false);
        d.press(okButtonId);
    });
    loadPaletteFile(*document, 0, nullptr);
    EXPECT_EQ(document->palette()->colorAt(17), rgb(13, 14, 15));
    EXPECT_EQ(document->palette()->colorAt(1), rgb(1, 1, 2)) << "the entries it left come back";
    EXPECT_TRUE(document->isModified());
    document->undo();
    EXPECT_EQ(document->palette()->colorAt(17), rgb(17, 1, 2));

    std::string shortFile = folder + "/short.rgb";
    std::ofstream(shortFile) << "ab";
    files.answerNext(FileChoice{shortFile, 1});
    files.answerNext(FileChoice{hex, 1});
    dialogs.answerNext([](ModalDialog& d) { d.press(cancelButtonId); });
    loadPaletteFile(*document, 0, nullptr);
    loadPaletteFile(*document, 0, nullptr);
    EXPECT_EQ(messages.messageIds(), std::vector<int>{messages::fileTooShort});
    EXPECT_EQ(dialogs.shownCount(), 2) << "a short file opens no dialog";
    EXPECT_EQ(document->palette()->colorAt(1), rgb(1, 1, 2)) << "a cancelled load changes nothing";
}

} // namespace
