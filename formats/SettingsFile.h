#pragma once

#include <string>
#include <string_view>
#include <utility>

// One section of a settings file, read and written a whole key at a time.
class SettingsFile {
public:
    SettingsFile(std::string path, std::string section) : m_path(std::move(path)), m_section(std::move(section)) {}

    // "qarvel.ini", section "Tilvane", in the user's configuration folder ($XDG_CONFIG_HOME, by
    // default ~/.config).
    static SettingsFile application();

    // The value, or "" when the key is absent.
    std::string readString(std::string_view key) const;
    // Stores text; raises when the file cannot be written, leaving it as it was.
    void writeString(std::string_view key, std::string_view text) const;
    // Two numbers written "a,b"; a number that is absent or unreadable is 0.
    std::pair<int, int> readPair(std::string_view key) const;
    void writePair(std::string_view key, std::pair<int, int> values) const;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::string m_section;
};
