#include "formats/Backup.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/NumberList.h"
#include "formats/SettingsFile.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr int maxLevel = 9;

// Renames, or copies and deletes when the two names lie on different file systems.
bool moveFile(const fs::path& from, const fs::path& to)
{
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    std::error_code error;
    if (!fs::copy_file(from, to, fs::copy_options::overwrite_existing, error)) {
        fs::remove(to, error);
        return false;
    }
    return fs::remove(from, error);
}

// Gives the file a second name, or a copy of its own where links are refused (another file system,
// a file system without links), so that its own name goes on holding it until the save replaces it.
bool linkOrCopy(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::create_hard_link(from, to, error);
    if (!error)
        return true;
    if (!fs::copy_file(from, to, fs::copy_options::overwrite_existing, error)) {
        fs::remove(to, error);
        return false;
    }
    return true;
}

// The folder the chain lives in, or nothing when it cannot be formed.
std::optional<fs::path> backupFolder(const BackupSettings& settings, const FilePath& file)
{
    std::string folder(file.directory());
    if (!settings.directory.empty())
        folder = settings.directory.front() == '/' ? settings.directory : "/" + settings.directory;
    std::error_code error;
    fs::path full = fs::absolute(fs::path(folder), error).lexically_normal();
    if (error || full.string().size() > FilePath::maxPathLength)
        return std::nullopt;
    return full;
}

} // namespace

int32_t BackupSettings::levelFromSetting(std::string_view text)
{
    std::optional<int32_t> level = NumberList(text).next();
    return level ? std::clamp(*level, 0, maxLevel) : 1;
}

BackupSettings& BackupSettings::current()
{
    static BackupSettings settings;
    return settings;
}

void loadBackupSettings(const SettingsFile& file, BackupSettings& settings)
{
    settings.level = BackupSettings::levelFromSetting(file.readString("BackupLevel"));
    settings.directory = file.readString("BackupDirectory");
}

void saveBackupSettings(SettingsFile& file, const BackupSettings& settings)
{
    file.writeString("BackupLevel", std::to_string(settings.level));
    file.writeString("BackupDirectory", settings.directory);
}

std::string backupName(int generation, std::string_view extension)
{
    std::string name = "~backup";
    if (generation > 0)
        name += char('0' + generation);
    if (!extension.empty())
        name.append(".").append(extension);
    return name;
}

bool makeBackup(const BackupSettings& settings, const FilePath& file)
{
    if (!file.exists())
        return true;
    std::optional<fs::path> folder = backupFolder(settings, file);
    if (!folder)
        return false;
    std::error_code error;
    if (!fs::is_directory(*folder, error)) {
        alert(messages::noBackupFolder, alertFlags::ok);
        return false;
    }
    int level = std::clamp(settings.level, 0, maxLevel);
    std::string_view extension = file.extension();
    auto name = [&](int g) { return *folder / backupName(g, extension); };
    // A file that is itself one of the chain's names would be shifted away or deleted.
    for (int g = 0; g <= level; ++g)
        if (fs::equivalent(name(g), fs::path(file.path()), error))
            return false;

    int free = 0;
    while (free <= level && fs::exists(name(free), error))
        ++free;
    if (free > level) {
        fs::remove(name(level), error);
        free = level;
    }
    for (int j = free - 1; j >= 0; --j)
        if (!moveFile(name(j), name(j + 1)))
            return false;
    // A link stays where it is and keeps leading to the file that the save replaces.
    return linkOrCopy(file.followingLinks().path(), name(0));
}

void refuseWriteProtected(const FilePath& file)
{
    if (file.exists() && !file.isWritable()) {
        alert(messages::writeProtected, alertFlags::ok);
        raiseError(errorQuiet);
    }
}

void backupBeforeSave(const FilePath& file)
{
    if (!file.exists())
        return;
    refuseWriteProtected(file);
    if (!makeBackup(BackupSettings::current(), file) &&
        alert(messages::backupFailed, alertFlags::yesNo) != alertAnswer::yes)
        raiseError(errorQuiet);
}
