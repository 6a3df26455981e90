#include "formats/SettingsFile.h"

#include "base/NumberList.h"

#include <cstdlib>
#include <filesystem>

SettingsFile::SettingsFile(std::string path, std::string section)
    : m_path(std::move(path)), m_section(std::move(section)), m_file(IniFile::load(m_path))
{
}

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
    return m_file.value(m_section, key).value_or("");
}

void SettingsFile::writeString(std::string_view key, std::string_view text)
{
    if (m_file.setValue(m_section, key, text))
        m_changed = true;
}

void SettingsFile::save()
{
    if (!m_changed)
        return;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), error);
    m_file.save(m_path);
    m_changed = false;
}

std::pair<int, int> SettingsFile::readPair(std::string_view key) const
{
    std::vector<int32_t> numbers = NumberList::read(readString(key), 2);
    numbers.resize(2);
    return {numbers[0], numbers[1]};
}

void SettingsFile::writePair(std::string_view key, std::pair<int, int> values)
{
    writeString(key, std::to_string(values.first) + "," + std::to_string(values.second));
}
