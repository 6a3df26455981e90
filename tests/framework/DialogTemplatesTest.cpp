#include "resources/DialogTemplates.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using enum ControlKind;

TEST(DialogTemplatesTest, IdsAreUniqueAndControlsLieInsideTheirDialog)
{
    for (const char* name : {"NEW_DIALOG", "NEW_PARAM_PAGE", "BACKUP_PAGE", "ZOOM_KEY_PAGE", "BLOCK_SIZE_DIALOG",
                             "MESH_SIZE_DIALOG", "PEN_TOOL_DIALOG", "LINE_TOOL_DIALOG", "ABOUT_DIALOG", "TOOLBOX_PANEL",
                             "PALETTE_EDIT_DIALOG", "COLOR_TONE_DIALOG", "PALETTE_SORT_DIALOG", "PALETTE_PASTE_DIALOG",
                             "PALETTE_LOAD_DIALOG", "PALETTE_SAVE_DIALOG", "EDGE_DIALOG", "CANVAS_SIZE_DIALOG"}) {
        ASSERT_NE(findDialogTemplate(name), nullptr) << name;
        const DialogTemplate& dialog = *findDialogTemplate(name);
        std::set<int> ids;
        for (const ControlTemplate& c : dialog.controls) {
            if (c.id != staticControlId) {
                EXPECT_TRUE(ids.insert(c.id).second) << name << " repeats " << c.id;
            }
            EXPECT_GE(c.x, 0) << name << " " << c.text;
            EXPECT_GE(c.y, 0) << name << " " << c.text;
            EXPECT_LE(c.x + c.width, dialog.width) << name << " " << c.text;
            EXPECT_LE(c.y + c.height, dialog.height) << name << " " << c.text;
        }
    }
}

TEST(DialogTemplatesTest, EachRadioGroupStartsWithAFlaggedButton)
{
    for (const char* name : {"NEW_DIALOG", "NEW_PARAM_PAGE", "MESH_SIZE_DIALOG", "EDGE_DIALOG"}) {
        const DialogTemplate& dialog = *findDialogTemplate(name);
        bool previousWasRadio = false;
        for (const ControlTemplate& c : dialog.controls) {
            bool radio = c.kind == RadioButton;
            if (radio && !previousWasRadio) {
                EXPECT_TRUE(c.groupStart) << name << " " << c.id;
            }
            previousWasRadio = radio;
        }
    }
}

} // namespace
