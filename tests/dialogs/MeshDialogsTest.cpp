#include "dialogs/MeshDialogs.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "framework/ScriptedColorChooser.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "palette/ColorSelectionModel.h"
#include "panels/PaletteGrid.h"
#include "panels/PaletteGridDialog.h"
#include "resources/DialogTemplates.h"
#include "resources/VirtualKey.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class MeshDialogsTest : public testing::Test {
protected:
    MeshDialogsTest()
    {
        testApplication();
        preferences.meshSize.setPoint({16, 12});
    }

    BitmapDocument& makeDocument(bool fullColor)
    {
        auto* document = new BitmapDocument(preferences);
        NewDocumentParams params = NewDocumentParams::fromPreferences(preferences);
        params.fullColor = fullColor;
        params.imageSize = {4, 4};
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        listeners.push_back(std::make_unique<Listener>(document));
        return *document;
    }
    // The mesh notifications the last document made has sent.
    int meshHeard() const { return listeners.back()->count(&aspects::BitmapView::Mesh::access); }

    bool runSize(BitmapDocument& document, ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runMeshSizeDialog(document);
    }

    NewParams preferences;
    // Each keeps its document alive; leaving it ends the document.
    std::vector<std::unique_ptr<Listener>> listeners;
};

TEST_F(MeshDialogsTest, TheSizeDialogShowsTheMeshAndOkStoresWhatWasEntered)
{
    BitmapDocument& document = makeDocument(true);
    EXPECT_TRUE(runSize(document, [](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "メッシュサイズ");
        EXPECT_EQ(control(d, 101).text(), "16");
        EXPECT_EQ(control(d, 102).text(), "12");
        EXPECT_EQ(control(d, 103).text(), "線");
        EXPECT_EQ(control(d, 104).text(), "破線");
        EXPECT_EQ(control(d, 105).text(), "点");
        EXPECT_TRUE(control(d, 103).isChecked());
        control(d, 101).setText("2");
        control(d, 102).setText("9999");
        control(d, 105).click();
        d.press(okButtonId);
    }));
    EXPECT_EQ(document.meshSize(), (Point{2, 9999}));
    EXPECT_EQ(document.meshStyle(), 2);
    EXPECT_EQ(meshHeard(), 1);
    EXPECT_TRUE(document.isModified());

    // The next opening starts from the stored style.
    runSize(document, [](ModalDialog& d) {
        EXPECT_FALSE(control(d, 103).isChecked());
        EXPECT_TRUE(control(d, 105).isChecked());
        d.press(cancelButtonId);
    });
}

TEST_F(MeshDialogsTest, TheViewsHearOfTheSizeDialogOnlyWhenSomethingChanged)
{
    struct Row {
        const char* what;
        const char* width;
        int styleButton;
        int heard;
    };
    const Row rows[] = {
        {"nothing", "16", 103, 0},
        {"the width only", "17", 103, 1},
        {"the style only", "16", 104, 1},
    };
    for (const Row& row : rows) {
        BitmapDocument& document = makeDocument(true);
        EXPECT_TRUE(runSize(document, [&](ModalDialog& d) {
            control(d, 101).setText(row.width);
            control(d, row.styleButton).click();
            d.press(okButtonId);
        }));
        EXPECT_EQ(meshHeard(), row.heard) << row.what;
        EXPECT_EQ(document.isModified(), row.heard == 1) << row.what;
    }
}

TEST_F(MeshDialogsTest, TheSizeDialogCancelledOrRefusingChangesNothing)
{
    BitmapDocument& document = makeDocument(false);
    EXPECT_FALSE(runSize(document, [](ModalDialog& d) {
        control(d, 101).setText("30");
        control(d, 104).click();
        d.press(cancelButtonId);
    }));
    struct Row {
        int id;
        const char* text;
    };
    for (const Row& row : {Row{101, "1"}, Row{102, "10000"}, Row{101, ""}}) {
        EXPECT_FALSE(runSize(document, [&](ModalDialog& d) {
            control(d, row.id).setText(row.text);
            d.press(okButtonId);
            EXPECT_TRUE(d.isOpen()) << row.id << " " << row.text;
            ASSERT_NE(d.focusedControl(), nullptr);
            EXPECT_EQ(d.focusedControl()->id(), row.id);
        }));
    }
    EXPECT_EQ(document.meshSize(), (Point{16, 12}));
    EXPECT_EQ(document.meshStyle(), 0);
    EXPECT_EQ(meshHeard(), 0);
    EXPECT_FALSE(document.isModified());
}

TEST_F(MeshDialogsTest, AFullColourMeshTakesADifferentColourFromTheChooser)
{
    BitmapDocument& document = makeDocument(true);
    ScriptedColorChooser chooser;
    chooser.answerNext(std::nullopt);
    chooser.answerNext(rgb(0xFF, 0, 0));
    chooser.answerNext(rgb(1, 2, 3));

    EXPECT_FALSE(runMeshColorDialog(document)) << "cancelled";
    EXPECT_TRUE(runMeshColorDialog(document)) << "the colour it already has";
    EXPECT_EQ(meshHeard(), 0);
    EXPECT_FALSE(document.isModified());

    EXPECT_TRUE(runMeshColorDialog(document));
    EXPECT_EQ(document.meshColor(), rgb(1, 2, 3));
    EXPECT_EQ(meshHeard(), 1);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(chooser.requests(), (std::vector<ColorRef>{rgb(0xFF, 0, 0), rgb(0xFF, 0, 0), rgb(0xFF, 0, 0)}))
        << "the chooser starts from the mesh colour";
}

// The grid of a running mesh colour dialog.
PaletteGrid& gridOf(ModalDialog& dialog)
{
    return *static_cast<PaletteGrid*>(control(dialog, PaletteGridDialog::gridId).component());
}

void pressCell(ModalDialog& dialog, int n)
{
    PaletteGrid& grid = gridOf(dialog);
    Rect cell = grid.geometry().cellRect(n);
    Visual::MouseEvent press{Visual::MouseEvent::leftDown, {cell.left + 1, cell.top + 1}};
    press.leftButton = true;
    grid.dispatchMouse(press);
    Visual::MouseEvent release{Visual::MouseEvent::leftUp, press.at};
    grid.dispatchMouse(release);
}

TEST_F(MeshDialogsTest, EnterInTheFreshColourGridPressesOk)
{
    BitmapDocument& document = makeDocument(false);
    ScriptedDialogs script;
    script.answerNext([](ModalDialog& d) { syntheticInput::pressKey(*d.focusedControl(), keys::enter, 0); });
    EXPECT_TRUE(runMeshColorDialog(document));
}

TEST_F(MeshDialogsTest, AnIndexedMeshColourIsAnEntryPickedFromThePaletteGrid)
{
    BitmapDocument& document = makeDocument(false);
    ScriptedColorChooser chooser;
    ScriptedDialogs script;
    const ColorRef before = document.meshColor();
    const int current = int(before & 0xFF);
    const int other = (current + 0x2A) & 0xFF;
    script.answerNext([&](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "メッシュ色指定");
        EXPECT_TRUE(gridOf(d).selection().includes(current)) << "the mesh colour's entry is selected";
        pressCell(d, other);
        EXPECT_TRUE(gridOf(d).selection().includes(other));
        EXPECT_FALSE(gridOf(d).selection().includes(current)) << "one entry at a time";
        d.press(cancelButtonId);
    });
    script.answerNext([&](ModalDialog& d) {
        pressCell(d, current);
        d.press(okButtonId);
    });
    EXPECT_FALSE(runMeshColorDialog(document));
    EXPECT_TRUE(runMeshColorDialog(document)) << "OK with the entry it already has";
    EXPECT_EQ(document.meshColor(), before);
    EXPECT_EQ(meshHeard(), 0);
    EXPECT_FALSE(document.isModified());

    script.answerNext([&](ModalDialog& d) {
        pressCell(d, other);
        d.press(okButtonId);
    });
    EXPECT_TRUE(runMeshColorDialog(document));
    EXPECT_EQ(document.meshColor(), 0x01000000u + uint32_t(other));
    EXPECT_EQ(meshHeard(), 1);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(chooser.requests().empty()) << "the colour chooser is for full-colour pictures";
}

} // namespace
