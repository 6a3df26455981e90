#include "base/FileErrors.h"

#include "base/Alert.h"
#include "base/ErrorCodes.h"
#include "resources/StringTable.h"

void reportReadFailure(int32_t code, const std::string& name)
{
    if (code == errorQuiet || code == errorFileTooShort) {
        setAlertArgs(name);
        alert(messages::unknownFormat, alertFlags::ok);
        setAlertArgs();
    } else if (code == errorImageTooLarge) {
        alert(messages::imageTooLarge, alertFlags::ok);
    } else {
        reportError(code, messages::readFailed, name);
    }
}

void reportWriteFailure(int32_t code, const std::string& name)
{
    reportError(code, messages::writeFailed, name);
}

void reportPaletteReadFailure(int32_t code, const std::string& name)
{
    if (code == errorFileTooShort)
        reportError(code, messages::readFailed, name);
    else
        reportReadFailure(code, name);
}
