#include "dialogs/InstallDocumentDialogs.h"

#include "dialogs/BlockSizeDialog.h"
#include "dialogs/MeshDialogs.h"
#include "dialogs/PasteSettingsDialog.h"
#include "dialogs/ToneDialog.h"
#include "document/DocumentDialogs.h"
#include "document/NewParams.h"

void installDocumentDialogs()
{
    DocumentDialogs& dialogs = DocumentDialogs::installed();
    dialogs.blockSize = [](BitmapDocument& document) { runBlockSizeDialog(document, NewParams::current()); };
    dialogs.meshColor = [](BitmapDocument& document) { runMeshColorDialog(document); };
    dialogs.meshSize = [](BitmapDocument& document) { runMeshSizeDialog(document); };
    dialogs.pasteSettings = [](BitmapDocument& document) { runPasteSettingsDialog(document); };
    dialogs.tone = [](BitmapDocument& document) { runToneDialog(document); };
}
