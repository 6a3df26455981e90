#pragma once

#include "commands/CommandGroup.h"
#include "framework/CommandTable.h"

class BitmapDocument;

// The commands a picture takes, menu group by menu group, and the state of their menu items. The
// application offers a command to it after the views of the picture's window.
class DocumentCommands : public CommandInterface {
public:
    explicit DocumentCommands(BitmapDocument& document) : m_document(document) {}

    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState& popup) override;

private:
    bool isEnabled(EnableRule rule) const;

    BitmapDocument& m_document;
};
