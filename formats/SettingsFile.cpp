#include "formats/SettingsFile.h"

#include "formats/IniFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

SettingsFile SettingsFile::application()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path folder =
        config && *config ? std::filesystem::path(config) : std::filesystem::path(home ? home : ".") / ".config";
    return SettingsFile((folder / "qarvel.ini").string(), "Tilvane");
}

std::string SettingsFile::readString(std::string_view key) const
{
    return IniFile::load(m_path).value(m_section, key).value_or("");
}

void SettingsFile::writeString(std::string_view key, std::string_view text) const
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), error);
    IniFile file = IniFile::load(m_path);
    file.setValue(m_section, key, text);
    file.save(m_path);
}

std::pair<int, int> SettingsFile::readPair(std::string_view key) const
{
    int a = 0, b = 0;
    std::sscanf(readString(key).c_str(), "%d,%d", &a, &b);
    return {a, b};
}

void SettingsFile::writePair(std::string_view key, std::pair<int, int> values) const
{
    writeString(key, std::to_string(values.first) + "," + std::to_string(values.second));
}
