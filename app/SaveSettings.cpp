#include "app/SaveSettings.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "formats/SettingsFile.h"
#include "resources/StringTable.h"

#include <filesystem>
#include <string>

bool saveSettings(SettingsFile& file)
{
    try {
        file.save();
        return true;
    } catch (...) {
        setAlertArgs(std::to_string(errorNumber(currentError())),
                     std::filesystem::path(file.path()).filename().string());
        alert(messages::writeFailed, alertFlags::ok);
        setAlertArgs();
        return false;
    }
}
