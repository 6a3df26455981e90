#include "base/ScopedService.h"
#include "base/ScriptedMessageBox.h"
#include "commands/DesktopFilingQuestions.h"
#include "commands/DocumentCommands.h"
#include "commands/FileCommands.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/DocumentLifecycle.h"
#include "document/DocumentWindows.h"
#include "document/NewParams.h"
#include "document/OpenDocuments.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "formats/Backup.h"
#include "formats/FormatTable.h"
#include "framework/ScriptedFileDialogs.h"
#include "pixels/DIBImage.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"
#include "tests/core/Listener.h"
#include "tests/formats/FileFailures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Stands in for the document windows: each opened document gets a follower that keeps it alive
// and hears what it says.
class Windows : public DocumentWindowService {
public:
    void openWindow(Model& document) override { windows.push_back(std::make_unique<Listener>(&document)); }
    // Closes the window of document when the document agrees; answers whether it closed.
    bool close(BitmapDocument* document)
    {
        if (!document->closeQuery())
            return false;
        std::erase_if(windows, [&](const auto& w) { return w->model() == document; });
        return true;
    }
    Listener* of(BitmapDocument* document)
    {
        for (auto& w : windows)
            if (w->model() == document)
                return w.get();
        return nullptr;
    }

    std::vector<std::unique_ptr<Listener>> windows;

private:
    ScopedService<installDocumentWindows> m_installed{this};
};

class LifecycleTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = testing::TempDir() + "tilvaner-lifecycle-" + std::to_string(getpid());
        fs::remove_all(folder);
        fs::create_directories(folder);
        savedBackups = BackupSettings::current();
        BackupSettings::current() = {1, ""};
    }
    void TearDown() override
    {
        windows.windows.clear();
        BackupSettings::current() = savedBackups;
        fs::remove_all(folder);
    }

    std::string at(const std::string& name) const { return folder + "/" + name; }
    std::string contents(const std::string& name) const
    {
        std::ifstream file(at(name), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return file ? bytes.str() : "(missing)";
    }

    // A modified 8 x 4 picture saved as name.
    BitmapDocument* savedPicture(const std::string& name, int filterIndex = 1)
    {
        BitmapDocument* document = newPicture();
        dialogs.answerNext(FileChoice{at(name), filterIndex});
        EXPECT_TRUE(document->saveAs());
        return document;
    }
    // The Revert command, which asks before the document reads its file again.
    static void revert(BitmapDocument* document) { DocumentCommands(*document).command(commands::revert, nullptr); }
    BitmapDocument* newPicture()
    {
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.imageSize = {8, 4};
        BitmapDocument* document = lifecycle::newDocument(params);
        document->fillRect({0, 0, 2, 2}, paletteIndex(9));
        return document;
    }

    std::string folder;
    BackupSettings savedBackups;
    Windows windows;
    ScriptedFileDialogs dialogs;
    ScriptedMessageBox box;
    DesktopFilingQuestions questions;
    ScopedService<installFilingQuestions> installedQuestions{&questions};
};

TEST_F(LifecycleTest, NewPicturesAreNumberedAndTheCounterNeverGoesBack)
{
    int first = lifecycle::nextUntitledNumber();
    BitmapDocument* a = newPicture();
    BitmapDocument* b = newPicture();
    EXPECT_EQ(a->title(), "Untitled-" + std::to_string(first));
    EXPECT_EQ(b->title(), "Untitled-" + std::to_string(first + 1));
    windows.windows.clear(); // the documents end; their numbers stay used
    EXPECT_EQ(newPicture()->title(), "Untitled-" + std::to_string(first + 2));
    EXPECT_EQ(windows.windows.size(), 1u);
}

TEST_F(LifecycleTest, SaveAsAsksWhenTheExtensionDoesNotMatchTheType)
{
    BitmapDocument* document = newPicture();
    dialogs.answerNext(FileChoice{at("a.tif"), 1}); // a TIFF name with the BMP type
    dialogs.answerNext(FileChoice{at("a.bmp"), 1});
    box.answerNext(alertAnswer::no); // back to the dialog
    ASSERT_TRUE(document->saveAs());
    EXPECT_EQ(box.messageIds(), std::vector<int>{messages::extensionMismatch});
    EXPECT_EQ(box.requests()[0].body,
              "拡張子(tif)は(BMPファイル)フォーマットと一致しません。\nこのままセーブしますか？");
    EXPECT_EQ(dialogs.requests()[0].filterIndex, 1);
    EXPECT_EQ(document->title(), "a.bmp");
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(contents("a.bmp").substr(0, 2), "BM");
    EXPECT_FALSE(fs::exists(at("a.tif")));

    dialogs.answerNext(FileChoice{at("b"), 2});
    box.answerNext(alertAnswer::yes);
    ASSERT_TRUE(document->saveAs());
    EXPECT_EQ(box.requests()[1].body.rfind("拡張子(なし)は(TIFFファイル)", 0), 0u);
    EXPECT_EQ(contents("b").substr(0, 2), "II") << "written as TIFF, the chosen type";
    EXPECT_EQ(document->currentFormat(), tiffFormat);
}

TEST_F(LifecycleTest, SavingUnchangedDoesNothingAndUntitledAsksForAName)
{
    BitmapDocument* document = savedPicture("a.bmp");
    std::string before = contents("a.bmp");
    EXPECT_TRUE(document->save());
    EXPECT_FALSE(fs::exists(at("~backup.bmp"))) << "nothing was written";

    BitmapDocument* untitled = newPicture();
    EXPECT_FALSE(untitled->save()) << "the dialog was cancelled";
    EXPECT_EQ(dialogs.requests().size(), 2u);
    EXPECT_EQ(dialogs.requests()[1].filters, std::string(loadString(strings::saveFilters)));
    EXPECT_TRUE(untitled->isModified());
}

TEST_F(LifecycleTest, SavingAgainMakesABackup)
{
    BitmapDocument* document = savedPicture("a.bmp");
    std::string first = contents("a.bmp");
    document->fillRect({0, 0, 1, 1}, paletteIndex(3));
    ASSERT_TRUE(document->save());
    EXPECT_EQ(contents("~backup.bmp"), first);
    EXPECT_NE(contents("a.bmp"), first);
}

TEST_F(LifecycleTest, AFailedSaveLosesNothingAndChangesNothing)
{
    BitmapDocument* document = savedPicture("a.bmp");
    std::string saved = contents("a.bmp");
    document->fillRect({0, 0, 1, 1}, paletteIndex(3));
    bool ok;
    {
        FileSizeLimit limit(100); // the disk refuses the write half way
        ok = document->save();
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(box.messageIds(), std::vector<int>{messages::writeFailed}) << "nothing is asked before the write";
    EXPECT_EQ(contents("a.bmp"), saved) << "the old file is still in its place";
    EXPECT_FALSE(fs::exists(at("~backup.bmp"))) << "and the chain is untouched";
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(document->title(), "a.bmp");
    size_t files = size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    EXPECT_EQ(files, 1u) << "no stray temporary file";

    // Save As to TIFF failing the same way keeps the document's format.
    dialogs.answerNext(FileChoice{at("b.tif"), 2});
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(document->saveAs());
    }
    EXPECT_EQ(document->saveFormat(), bmpFormat);
    EXPECT_EQ(document->title(), "a.bmp");
    EXPECT_FALSE(fs::exists(at("b.tif")));
}

TEST_F(LifecycleTest, ATiffPictureOffersTheTiffTypeInSaveAs)
{
    savedPicture("a.tif", 2);
    windows.windows.clear();
    BitmapDocument* document = lifecycle::openFile(at("a.tif"));
    ASSERT_TRUE(document);
    document->saveAs(); // cancelled
    EXPECT_EQ(dialogs.requests().back().filterIndex, 2);
    EXPECT_EQ(dialogs.requests().back().initialPath, at("a.tif"));
}

TEST_F(LifecycleTest, OpeningChoosesTheFormatByExtensionAndReportsFailures)
{
    savedPicture("pic.TIF", 2);
    windows.windows.clear();
    BitmapDocument* tif = lifecycle::openFile(at("pic.TIF"));
    ASSERT_TRUE(tif);
    EXPECT_EQ(tif->currentFormat(), tiffFormat);
    EXPECT_EQ(tif->title(), "pic.TIF");
    EXPECT_EQ(tif->drawingColor(), paletteIndex(1));

    std::ofstream(at("pic.png")) << "\x89PNG not a bitmap";
    EXPECT_EQ(lifecycle::openFile(at("pic.png")), nullptr);
    EXPECT_EQ(lifecycle::openFile(at("gone.bmp")), nullptr);
    std::string huge = contents("pic.TIF");
    huge[30] = '\x30'; // ImageWidth 0x2730 = 10032
    huge[31] = '\x27';
    std::ofstream(at("huge.tif"), std::ios::binary) << huge;
    EXPECT_EQ(lifecycle::openFile(at("huge.tif")), nullptr);
    EXPECT_EQ(box.messageIds(),
              (std::vector<int>{messages::unknownFormat, messages::readFailed, messages::imageTooLarge}));
    EXPECT_EQ(box.requests()[1].body, "gone.bmp\nファイルの読み込みに失敗しました。(2)");
    EXPECT_EQ(windows.windows.size(), 1u) << "failed opens leave no document or window";
    EXPECT_EQ(openDocuments::count(), 1u);
}

TEST_F(LifecycleTest, AFileAlreadyOpenIsBroughtToTheFront)
{
    BitmapDocument* document = savedPicture("a.bmp");
    Listener* window = windows.of(document);
    window->clear();
    EXPECT_EQ(lifecycle::openFile(folder + "/./a.bmp"), document);
    EXPECT_EQ(window->names(), std::vector<std::string>{"Window::active"});
    EXPECT_EQ(windows.windows.size(), 1u);
}

TEST_F(LifecycleTest, OneBadFileDoesNotStopTheOthers)
{
    savedPicture("a.bmp");
    savedPicture("c.bmp");
    windows.windows.clear();
    lifecycle::openFiles({at("a.bmp"), at("b.bmp"), at("c.bmp")});
    EXPECT_EQ(windows.windows.size(), 2u);
    EXPECT_EQ(box.messageIds(), std::vector<int>{messages::readFailed});
}

TEST_F(LifecycleTest, OpenWithTheDialogUsesTheOpenFilters)
{
    savedPicture("a.bmp");
    windows.windows.clear();
    dialogs.answerNext(std::nullopt);
    EXPECT_EQ(openDocument(), nullptr);
    dialogs.answerNext(FileChoice{at("a.bmp"), 1});
    EXPECT_NE(openDocument(), nullptr);
    EXPECT_EQ(dialogs.requests().back().filters, std::string(loadString(strings::openFilters)));
    EXPECT_EQ(dialogs.requests().back().defaultExtension, "bmp");
}

TEST_F(LifecycleTest, RevertAsksAndAFailedReReadKeepsThePicture)
{
    BitmapDocument* document = savedPicture("a.bmp");
    revert(document);
    EXPECT_TRUE(box.requests().empty()) << "nothing to revert";

    document->fillRect({0, 0, 8, 4}, paletteIndex(5));
    box.answerNext(alertAnswer::no);
    revert(document);
    EXPECT_EQ(document->pixelAt({7, 3}), paletteIndex(5));

    box.answerNext(alertAnswer::yes);
    revert(document);
    EXPECT_EQ(document->pixelAt({7, 3}), paletteIndex(0));
    EXPECT_EQ(document->pixelAt({0, 0}), paletteIndex(9));
    EXPECT_FALSE(document->isModified());

    UndoRecord::instance().beginUndo(document);
    document->savePixelsForUndo(document->bounds());
    document->fillRect({0, 0, 8, 4}, paletteIndex(6));
    std::ofstream(at("a.bmp"), std::ios::trunc) << "damaged";
    box.answerNext(alertAnswer::yes);
    revert(document);
    EXPECT_EQ(box.messageIds().back(), messages::unknownFormat);
    EXPECT_EQ(document->pixelAt({7, 3}), paletteIndex(6)) << "the picture stays as it was";
    EXPECT_NE(document->palette(), nullptr);
    EXPECT_TRUE(document->isModified());
    document->undo();
    EXPECT_EQ(document->pixelAt({7, 3}), paletteIndex(0)) << "and so does its undo";
}

TEST_F(LifecycleTest, RevertEndsACropFrameButAnswerNoKeepsIt)
{
    struct Frame : InteractiveMode {
        void endInteractive() override { ended = true; }
        bool ended = false;
    } frame;
    BitmapDocument* document = savedPicture("a.bmp");
    document->fillRect({0, 0, 1, 1}, paletteIndex(4));
    document->interactive().enter(&frame);
    box.answerNext(alertAnswer::no);
    revert(document);
    EXPECT_FALSE(frame.ended);
    box.answerNext(alertAnswer::yes);
    revert(document);
    EXPECT_TRUE(frame.ended);
    EXPECT_FALSE(document->isInteractive());
}

TEST_F(LifecycleTest, RevertDropsAFloatingSelectionOnlyWhenThePictureIsReadAgain)
{
    BitmapDocument* document = savedPicture("a.bmp");
    auto floatAt = [&](Point offset) {
        auto record = std::make_shared<SelectionRecord>();
        record->region.setRect({0, 0, 4, 4});
        document->selectionPlug().setSelection(record);
        document->selectionPlug().moveBy(offset, false);
    };
    floatAt({2, 1});
    ASSERT_TRUE(document->isModified());
    box.answerNext(alertAnswer::yes);
    revert(document);
    EXPECT_EQ(document->selection(), nullptr);
    EXPECT_EQ(document->pixelAt({0, 0}), paletteIndex(9)) << "the dots the move cut out are back";

    floatAt({1, 0});
    std::ofstream(at("a.bmp"), std::ios::trunc) << "damaged";
    box.answerNext(alertAnswer::yes);
    revert(document);
    ASSERT_NE(document->selection(), nullptr) << "a failed read loses nothing";
    EXPECT_NE(document->selection()->floatingImage, nullptr);
}

TEST_F(LifecycleTest, ClosingAModifiedPictureAsksToSave)
{
    BitmapDocument* document = savedPicture("a.bmp");
    document->fillRect({0, 0, 1, 1}, paletteIndex(4));
    box.answerNext(alertAnswer::cancel);
    EXPECT_FALSE(windows.close(document));
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(box.requests()[0].body, "ファイル(a.bmp)の内容は変更されています。\n保存しますか?");

    box.answerNext(alertAnswer::yes);
    std::string before = contents("a.bmp");
    EXPECT_TRUE(windows.close(document));
    EXPECT_NE(contents("a.bmp"), before) << "Yes saved first";
    EXPECT_EQ(openDocuments::count(), 0u) << "the document ends with its last window";

    BitmapDocument* untitled = newPicture();
    box.answerNext(alertAnswer::yes); // save, but the dialog is cancelled: the close is abandoned
    EXPECT_FALSE(windows.close(untitled));
    box.answerNext(alertAnswer::no);
    EXPECT_TRUE(windows.close(untitled));
}

} // namespace
