#pragma once

#include "formats/IniFile.h"

#include <string>
#include <string_view>
#include <utility>

// One section of a settings file. The file is read once, when the object is made; keys are read
// and changed in memory, and save writes the whole file back in one replacing write.
class SettingsFile {
public:
    SettingsFile(std::string path, std::string section);

    // "qarvel.ini", section "Tilvane", in the user's configuration folder ($XDG_CONFIG_HOME, by
    // default ~/.config).
    static SettingsFile application();

    // The value, or "" when the key is absent.
    std::string readString(std::string_view key) const;
    // Stores text, to be written by the next save.
    void writeString(std::string_view key, std::string_view text);
    // Two numbers written "a,b"; a number that is absent or unreadable is 0.
    std::pair<int, int> readPair(std::string_view key) const;
    void writePair(std::string_view key, std::pair<int, int> values);

    // Writes what changed since the file was read or last saved; raises when the file cannot be
    // written, leaving it as it was.
    void save();

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::string m_section;
    IniFile m_file;
    bool m_changed = false;
};
