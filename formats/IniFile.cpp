#include "formats/IniFile.h"

#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/Utf8.h"
#include "formats/ReplacingWrite.h"

#include <fstream>
#include <sstream>

namespace {

std::string_view trimmed(std::string_view text)
{
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The section name of a "[name]" line.
std::optional<std::string_view> headerName(std::string_view line)
{
    std::string_view text = trimmed(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return std::nullopt;
    return trimmed(text.substr(1, text.size() - 2));
}

bool isComment(std::string_view line)
{
    std::string_view text = trimmed(line);
    return text.empty() || text.front() == ';' || text.front() == '#';
}

} // namespace

IniFile IniFile::load(const std::string& path)
{
    IniFile file;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        file.m_lines.push_back(line);
    return file;
}

void IniFile::save(const std::string& path) const
{
    FilePath target;
    target.setFullPath(path);
    std::string text;
    for (const std::string& line : m_lines)
        text.append(line).append("\n");
    writeReplacing(target, [&](FilePath& file) {
        file.createForWrite();
        file.write(text.data(), text.size());
    });
}

size_t IniFile::sectionStart(std::string_view section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (std::optional<std::string_view> name = headerName(m_lines[i]);
            name && utf8::equalIgnoringCase(*name, section))
            return i;
    return m_lines.size();
}

size_t IniFile::sectionEnd(size_t header) const
{
    size_t end = header + 1;
    for (size_t i = header + 1; i < m_lines.size() && !headerName(m_lines[i]); ++i)
        if (!isComment(m_lines[i]))
            end = i + 1;
    return end;
}

std::optional<size_t> IniFile::keyLine(std::string_view section, std::string_view key) const
{
    size_t header = sectionStart(section);
    for (size_t i = header + 1; i < m_lines.size() && !headerName(m_lines[i]); ++i) {
        if (isComment(m_lines[i]))
            continue;
        std::string_view line = m_lines[i];
        size_t equals = line.find('=');
        if (equals != std::string_view::npos && utf8::equalIgnoringCase(trimmed(line.substr(0, equals)), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    std::optional<size_t> line = keyLine(section, key);
    if (!line)
        return std::nullopt;
    std::string_view text = m_lines[*line];
    return std::string(trimmed(text.substr(text.find('=') + 1)));
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string entry = std::string(key) + "=" + std::string(value);
    if (std::optional<size_t> line = keyLine(section, key)) {
        // The key keeps the spelling the file gave it.
        std::string_view old = m_lines[*line];
        m_lines[*line] = std::string(trimmed(old.substr(0, old.find('=')))) + "=" + std::string(value);
        return;
    }
    size_t header = sectionStart(section);
    if (header == m_lines.size()) {
        if (!m_lines.empty() && !trimmed(m_lines.back()).empty())
            m_lines.emplace_back();
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(entry);
        return;
    }
    m_lines.insert(m_lines.begin() + long(sectionEnd(header)), entry);
}
