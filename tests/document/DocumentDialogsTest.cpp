#include "document/DocumentDialogs.h"

#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "framework/CommandTable.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class DocumentDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved = DocumentDialogs::installed();
        DocumentDialogs::installed() = {};
        document = new BitmapDocument(NewParams::current());
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.imageSize = {4, 4};
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        holder.follow(document);
        commands = interfaceFor<CommandInterface>(document, &aspects::Model::menuEx);
        ASSERT_NE(commands, nullptr);
    }
    void TearDown() override { DocumentDialogs::installed() = saved; }

    DocumentDialogs saved;
    BitmapDocument* document = nullptr;
    Listener holder;
    CommandInterface* commands = nullptr;
};

struct DialogCommand {
    uint32_t id;
    DocumentDialogs::Run DocumentDialogs::*dialog;
};

const DialogCommand dialogCommands[] = {
    {316, &DocumentDialogs::blockSize},
    {504, &DocumentDialogs::meshColor},
    {608, &DocumentDialogs::meshSize},
};

TEST_F(DocumentDialogsTest, WithoutAnInstalledDialogTheCommandIsTakenAndDoesNothing)
{
    for (const DialogCommand& c : dialogCommands)
        EXPECT_TRUE(commands->command(c.id, nullptr)) << c.id;
    EXPECT_FALSE(document->isModified());
}

TEST_F(DocumentDialogsTest, EachCommandRunsItsOwnDialogOnItsDocument)
{
    std::vector<uint32_t> ran;
    for (const DialogCommand& c : dialogCommands)
        DocumentDialogs::installed().*c.dialog = [&, id = c.id](BitmapDocument& on) {
            EXPECT_EQ(&on, document);
            ran.push_back(id);
        };
    for (const DialogCommand& c : dialogCommands)
        EXPECT_TRUE(commands->command(c.id, nullptr));
    EXPECT_EQ(ran, (std::vector<uint32_t>{316, 504, 608}));
}

} // namespace
