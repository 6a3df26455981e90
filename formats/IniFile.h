#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A settings file of named sections of "key=value" lines. Changing one value keeps every other
// line as it was: other sections, other keys, comments and blank lines. Keys and section names
// match without regard to case; text is UTF-8. Line endings stay as the file had them (LF or CRLF),
// and new lines take those of the file's first line.
class IniFile {
public:
    // The lines of the file at path; a missing file reads as empty.
    static IniFile load(const std::string& path);
    static IniFile parse(std::string_view text);
    // The file's bytes.
    std::string text() const;
    // Writes the lines to path; a failure leaves the old file as it was and raises.
    void save(const std::string& path) const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Answers whether the file's text changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

private:
    // The index of section's header line, or the line count when there is none.
    size_t sectionStart(std::string_view section) const;
    // The index just past section's last key line.
    size_t sectionEnd(size_t header) const;
    std::optional<size_t> keyLine(std::string_view section, std::string_view key) const;

    std::vector<std::string> m_lines;
    // Whether the last line ends with a line feed.
    bool m_finalNewline = true;
    // "\r" in a CRLF file.
    std::string m_lineEnd;
};
