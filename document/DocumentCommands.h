#pragma once

#include "document/DocumentDialogs.h"
#include "framework/CommandTable.h"

class BitmapDocument;

// The commands a picture handles itself, and the state of their menu items.
class DocumentCommands : public CommandInterface {
public:
    explicit DocumentCommands(BitmapDocument& document) : m_document(document) {}

    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState& popup) override;

private:
    static const CommandTable<DocumentCommands>& table();

    bool close(uint32_t id, Window* from);
    bool save(uint32_t id, Window* from);
    bool saveAs(uint32_t id, Window* from);
    bool revert(uint32_t id, Window* from);
    bool undo(uint32_t id, Window* from);
    bool cut(uint32_t id, Window* from);
    bool copy(uint32_t id, Window* from);
    bool paste(uint32_t id, Window* from);
    bool blockSize(uint32_t id, Window* from);
    bool meshSize(uint32_t id, Window* from);
    bool meshColor(uint32_t id, Window* from);
    bool stepDrawingColor(uint32_t id, Window* from);
    bool pasteSettings(uint32_t id, Window* from);
    bool editSelection(uint32_t id, Window* from);
    bool runDialog(const DocumentDialogs::Run& dialog);

    BitmapDocument& m_document;
};
