#include "commands/ExtensionQuestion.h"

#include "base/Alert.h"
#include "formats/FormatTable.h"
#include "resources/StringTable.h"

#include <filesystem>

bool acceptsExtension(const std::string& path, std::string_view formatExtension, const std::string& formatName)
{
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    if (!extension.empty() && sameExtension(extension, formatExtension))
        return true;
    setAlertArgs(extension.empty() ? std::string(loadString(strings::none)) : extension, formatName);
    int answer = alert(messages::extensionMismatch, alertFlags::yesNo);
    setAlertArgs();
    return answer == alertAnswer::yes;
}
