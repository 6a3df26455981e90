#include "commands/DocumentCommands.h"

#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "document/SelectionCommands.h"
#include "framework/ScriptedColorChooser.h"
#include "framework/ScriptedDialogs.h"
#include "resources/DialogTemplates.h"
#include "tests/core/Listener.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// Each document command with a dialog runs its own.
TEST(DocumentCommandsTest, TheDocumentCommandsRunTheirDialogs)
{
    testApplication();
    auto* document = new BitmapDocument(NewParams::current());
    NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
    params.fullColor = true;
    params.imageSize = {4, 4};
    document->newContent(params, "/nonexistent/default.rgb", "untitled");
    Listener holder(document);
    // The rotate, scale and edge dialogs act on a selection.
    selectionCommands::selectAll(*document);
    DocumentCommands documentCommands(*document);
    CommandInterface* commands = &documentCommands;

    struct Row {
        uint32_t id;
        const char* dialog; // nullptr: the colour chooser
    };
    for (const Row& row : {Row{316, "BLOCK_SIZE_DIALOG"}, Row{608, "MESH_SIZE_DIALOG"}, Row{207, "PASTE_PARAMS_DIALOG"},
                           Row{504, nullptr}, Row{311, "ROTATE_DIALOG"}, Row{313, "SCALE_DIALOG"},
                           Row{314, "EDGE_DIALOG"}, Row{317, "CANVAS_SIZE_DIALOG"}}) {
        SCOPED_TRACE(row.id);
        ScriptedDialogs script;
        std::vector<std::string> captions;
        script.answerNext([&](ModalDialog& d) { captions.push_back(d.caption()); });
        ScriptedColorChooser chooser;
        EXPECT_TRUE(commands->command(row.id, nullptr));
        if (row.dialog) {
            EXPECT_EQ(captions, (std::vector<std::string>{findDialogTemplate(row.dialog)->caption}));
            EXPECT_EQ(chooser.requests().size(), 0u);
        } else {
            EXPECT_TRUE(captions.empty());
            EXPECT_EQ(chooser.requests().size(), 1u);
        }
    }
    EXPECT_FALSE(document->isModified()) << "every dialog was cancelled";
}

} // namespace
