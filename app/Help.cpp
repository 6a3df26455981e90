#include "app/Help.h"

#include "base/Alert.h"
#include "base/ErrorCodes.h"
#include "framework/DesktopServices.h"
#include "framework/HelpViewer.h"
#include "resources/StringTable.h"

namespace help {

namespace {

std::filesystem::path helpBeside(const std::filesystem::path& program)
{
    return std::filesystem::path(program).replace_extension(".html");
}

} // namespace

std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& program,
                                                  const std::filesystem::path& dataFolder)
{
    std::error_code error;
    std::filesystem::path beside = helpBeside(program);
    if (std::filesystem::is_regular_file(beside, error))
        return beside;
    std::filesystem::path installed = dataFolder / beside.filename();
    if (std::filesystem::is_regular_file(installed, error))
        return installed;
    return std::nullopt;
}

bool openHelp(const std::filesystem::path& program, const std::filesystem::path& dataFolder)
{
    std::optional<std::filesystem::path> file = findHelpFile(program, dataFolder);
    if (!file) {
        // The user is told where the file was looked for first, where a build or a copy puts it.
        reportError(systemError(systemFileNotFound), messages::readFailed, helpBeside(program).string());
        return false;
    }
    // Without a browser the program shows the page itself, so that help always opens.
    if (!openFile(file->string()) && !helpViewer::show(file->string())) {
        reportError(systemError(systemGeneralFailure), messages::readFailed, file->string());
        return false;
    }
    return true;
}

bool openHelp()
{
    std::error_code error;
    return openHelp(std::filesystem::read_symlink("/proc/self/exe", error), TILVANER_DATA_DIR);
}

} // namespace help
