#include "formats/IniFile.h"

#include "base/ErrorFrame.h"
#include "base/FilePath.h"
#include "base/Utf8.h"
#include "formats/ReplacingWrite.h"

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
    // Through FilePath, which opens without blocking and reads regular files only: a FIFO or a
    // device in the file's place would otherwise hang the start. What cannot be read reads as empty.
    std::string text;
    try {
        FilePath file;
        file.setFullPath(path);
        if (file.exists()) {
            file.openForRead();
            text.resize(size_t(file.size()));
            text.resize(file.readUpTo(text.data(), text.size()));
        }
    } catch (...) {
        text.clear();
        (void)currentError();
    }
    return parse(text);
}

IniFile IniFile::parse(std::string_view text)
{
    IniFile file;
    // Each line keeps its carriage return, so that untouched lines go back as they came.
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            file.m_finalNewline = false;
            end = text.size();
        }
        file.m_lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    file.m_lineEnd = !file.m_lines.empty() && file.m_lines.front().ends_with('\r') ? "\r" : "";
    return file;
}

std::string IniFile::text() const
{
    std::string text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        text.append(m_lines[i]);
        if (i + 1 < m_lines.size() || m_finalNewline)
            text += '\n';
    }
    return text;
}

void IniFile::save(const std::string& path) const
{
    FilePath target;
    target.setFullPath(path);
    std::string text = this->text();
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

bool IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    if (std::optional<size_t> line = keyLine(section, key)) {
        // The key keeps the spelling the file gave it, and the line its ending.
        std::string_view old = m_lines[*line];
        std::string entry = std::string(trimmed(old.substr(0, old.find('=')))) + "=" + std::string(value) +
                            (old.ends_with('\r') ? "\r" : "");
        if (entry == old)
            return false;
        m_lines[*line] = std::move(entry);
        return true;
    }
    std::string entry = std::string(key) + "=" + std::string(value) + m_lineEnd;
    size_t header = sectionStart(section);
    size_t end = header == m_lines.size() ? header : sectionEnd(header);
    // A last line without its line feed gets one before anything follows it.
    if (end == m_lines.size() && !m_finalNewline) {
        if (!m_lines.back().ends_with('\r'))
            m_lines.back() += m_lineEnd;
        m_finalNewline = true;
    }
    if (header == m_lines.size()) {
        if (!m_lines.empty() && !trimmed(m_lines.back()).empty())
            m_lines.push_back(m_lineEnd);
        m_lines.push_back("[" + std::string(section) + "]" + m_lineEnd);
        m_lines.push_back(entry);
        return true;
    }
    m_lines.insert(m_lines.begin() + long(end), entry);
    return true;
}
