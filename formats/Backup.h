#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class FilePath;
class SettingsFile;

// How many older versions of a file survive a save, and where.
struct BackupSettings {
    // Generations 0 to level are kept: level + 1 files.
    int32_t level = 1;
    // Empty: the file's own folder. Absolute: that folder. Relative: that folder under "/".
    std::string directory;

    // The level a settings text asks for: 1 when it is missing, not a number or beyond 32 bits, else
    // clamped to 0..9.
    static int32_t levelFromSetting(std::string_view text);
    // The settings every save uses.
    static BackupSettings& current();
};

// The keys "BackupLevel" and "BackupDirectory" of the settings.
void loadBackupSettings(const SettingsFile& file, BackupSettings& settings);
void saveBackupSettings(SettingsFile& file, const BackupSettings& settings);

// "~backup" for generation 0, "~backup<g>" for generation g, with the file's extension.
std::string backupName(int generation, std::string_view extension);

// Puts file at the head of the folder's chain of backups, shifting the older generations along,
// while file keeps its own name until the save replaces it; false when that cannot be done (the
// backup folder's absence is reported with its own message).
bool makeBackup(const BackupSettings& settings, const FilePath& file);

// Refuses to overwrite a write-protected file (message 133, then the quiet code).
void refuseWriteProtected(const FilePath& file);

// Before file is overwritten: refuses a write-protected file, and when no backup can be made asks
// whether to save anyway (message 132). Raises the quiet code when the save must stop.
void backupBeforeSave(const FilePath& file);
