#include "commands/PaletteFileCommands.h"
#include "base/FilePath.h"
#include "base/ScriptedMessageBox.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "formats/FormatTable.h"
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

// A 1 x 1 BMP of bits per dot with its colour table; colorsUsed 0 means all the depth has.
std::string bmpBytes(int bits, const std::vector<ColorRef>& table, uint32_t colorsUsed)
{
    auto put = [](std::string& out, uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out += char(v >> (8 * i));
    };
    uint32_t offset = 54 + 4 * uint32_t(table.size());
    std::string out = "BM";
    put(out, offset + 4, 4);
    put(out, 0, 4);
    put(out, offset, 4);
    for (uint32_t v : {40u, 1u, 1u})
        put(out, v, 4);
    put(out, 1, 2);
    put(out, uint32_t(bits), 2);
    for (uint32_t v : {0u, 4u, 0u, 0u, colorsUsed, 0u})
        put(out, v, 4);
    for (ColorRef c : table)
        put(out, uint32_t(blueOf(c)) | uint32_t(greenOf(c)) << 8 | uint32_t(redOf(c)) << 16, 4);
    put(out, 0, 4);
    return out;
}

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

TEST_F(PaletteFileCommandsTest, PicturesGiveTheirColourTablesAndBadFilesChangeNothing)
{
    for (int format : {bmpFormat, tiffFormat}) {
        ImageFormat& writer = *imageFormats()[size_t(format)];
        writer.file.setFullPath(folder + "/picture." + std::string(writer.extension()));
        writer.writeImage(*document->image(), *document->palette());
        std::vector<ColorRef> colors = colorsIn(writer.file.path());
        ASSERT_EQ(colors.size(), 256u) << writer.extension();
        EXPECT_EQ(colors[200], rgb(200, 1, 2)) << writer.extension();
    }
    const std::vector<ColorRef> sixteen(16, rgb(9, 8, 7));
    std::ofstream(folder + "/sixteen.bmp") << bmpBytes(4, sixteen, 0);
    EXPECT_EQ(colorsIn(folder + "/sixteen.bmp"), sixteen) << "a 4-bit picture's table holds 16 colours";
    std::ofstream(folder + "/three.bmp") << bmpBytes(8, {rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9)}, 3);
    EXPECT_EQ(colorsIn(folder + "/three.bmp").size(), 3u) << "only the colours the table uses";
    std::ofstream(folder + "/bm.rgb") << "BMx123";
    EXPECT_EQ(colorsIn(folder + "/bm.rgb"), (std::vector<ColorRef>{rgb('B', 'M', 'x'), rgb('1', '2', '3')}))
        << "a raw palette that begins like a picture";

    // Loads that fail show the program's message and leave the palette as it was.
    struct Row {
        const char* name;
        std::string bytes;
        int message;
    };
    std::vector<Row> rows{
        {"full-colour.bmp", bmpBytes(24, {}, 0), messages::unknownFormat},
        {"broken.gpl", "GIMP Palette\n12 34\n", messages::unknownFormat},
        {"random.xyz", "\x01\x02\x03\x04", messages::unknownFormat},
        {"a-folder.rgb", "", messages::unknownFormat},
    };
    // Only a user without the administrator's rights is refused a file's bytes.
    if (::geteuid() != 0)
        rows.push_back({"unreadable.rgb", "abcdef", messages::accessDenied});
    std::vector<int> expected;
    for (const Row& row : rows) {
        std::string path = folder + "/" + row.name;
        if (row.bytes.empty())
            std::filesystem::create_directories(path);
        else
            std::ofstream(path) << row.bytes;
        if (row.message == messages::accessDenied)
            std::filesystem::permissions(path, std::filesystem::perms::none);
        files.answerNext(FileChoice{path, 1});
        loadPaletteFile(*document, 0, nullptr);
        expected.push_back(row.message);
        EXPECT_EQ(messages.messageIds(), expected) << row.name;
    }
    EXPECT_EQ(dialogs.shownCount(), 0);
    EXPECT_EQ(document->palette()->colorAt(3), rgb(3, 1, 2));
    EXPECT_FALSE(document->isModified());

    // A save that cannot be written leaves what was there; a write-protected file is refused first.
    std::vector<std::pair<std::string, int>> saves{{folder + "/no-such-folder/rows.rgb", messages::writeFailed},
                                                   {folder + "/a-folder.rgb", messages::writeFailed}};
    std::string kept = folder + "/kept.rgb";
    std::ofstream(kept) << "keep";
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    if (::geteuid() != 0)
        saves.emplace_back(kept, messages::writeProtected);
    for (const auto& [target, message] : saves) {
        dialogs.answerNext([](ModalDialog& d) { d.press(okButtonId); });
        files.answerNext(FileChoice{target, 1});
        savePaletteFile(*document, 0, nullptr);
        expected.push_back(message);
        EXPECT_EQ(messages.messageIds(), expected) << target;
    }
    EXPECT_EQ(colorsIn(kept), (std::vector<ColorRef>{rgb('k', 'e', 'e')}));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/a-folder.rgb"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/no-such-folder"));
}

} // namespace
