#include "app/RecentFiles.h"

#include "base/Utf8.h"
#include "formats/SettingsFile.h"

namespace {

constexpr size_t maxText = 80;

// Appends the longest prefix of text within maxBytes bytes that ends on a character boundary,
// with every "&" doubled.
void appendCopy(std::string& out, std::string_view text, size_t maxBytes)
{
    for (size_t i = 0; i < text.size();) {
        size_t length = utf8::charLength(text, i);
        if (i + length > maxBytes)
            break;
        out.append(text.substr(i, length));
        if (text[i] == '&')
            out += '&';
        i += length;
    }
}

} // namespace

int RecentFiles::add(const std::string& path)
{
    int found = 0;
    while (found < capacity - 1 && !m_entries[size_t(found)].empty() && m_entries[size_t(found)] != path)
        ++found;
    for (int j = found; j > 0; --j)
        m_entries[size_t(j)] = m_entries[size_t(j - 1)];
    m_entries[0] = path;
    int position = m_menu.isValid() ? m_menu.positionOf(m_firstId) : -1;
    if (position >= 0) {
        for (int j = 0; j <= found; ++j) {
            m_menu.removeItem(m_firstId + uint32_t(j));
            m_menu.insertItem(position + j, m_firstId + uint32_t(j), menuText(j + 1, m_entries[size_t(j)]));
        }
    }
    return found + 1;
}

void RecentFiles::attachMenu(PopupMenu menu, uint32_t firstId)
{
    m_menu = menu;
    m_firstId = firstId;
}

int RecentFiles::count() const
{
    int n = 0;
    while (n < capacity && !m_entries[size_t(n)].empty())
        ++n;
    return n;
}

void RecentFiles::load(const SettingsFile& file)
{
    for (int n = capacity; n >= 1; --n) {
        std::string path = file.readString("MRU-" + std::to_string(n));
        if (!path.empty())
            add(path);
    }
}

void RecentFiles::save(SettingsFile& file) const
{
    for (int i = 0; i < capacity; ++i)
        file.writeString("MRU-" + std::to_string(i + 1), m_entries[size_t(i)]);
}

std::string menuText(int n, std::string_view path)
{
    std::string text = "&" + std::to_string(n) + " ";
    if (path.size() <= maxText) {
        appendCopy(text, path, maxText);
        return text;
    }
    size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.size() > maxText) {
        appendCopy(text, name, maxText - 3);
        return text + "...";
    }
    if (name.size() + 4 < maxText) {
        appendCopy(text, path, maxText - 4 - name.size());
        text += ".../";
    }
    appendCopy(text, name, maxText);
    return text;
}
