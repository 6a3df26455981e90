#include "document/DocumentDialogs.h"

DocumentDialogs& DocumentDialogs::installed()
{
    static DocumentDialogs dialogs;
    return dialogs;
}
