#pragma once

#include "framework/PopupMenu.h"

#include <array>
#include <string>
#include <string_view>

class SettingsFile;

// The last nine files opened or saved, newest first, kept whole.
class RecentFiles {
public:
    static constexpr int capacity = 9;

    // Moves path to the top; a path already in the list moves up instead of being repeated, and a
    // tenth path pushes the oldest out. Answers how many entries from the top changed.
    int add(const std::string& path);
    // Entry i, or "" past the end of the list.
    const std::string& fileAt(int i) const { return m_entries[size_t(i)]; }
    int count() const;

    // Shows the list in menu from the item firstId on (its placeholder until the list has entries);
    // entry i becomes the item firstId + i.
    void attachMenu(PopupMenu menu, uint32_t firstId);

    // The keys "MRU-1" (newest) to "MRU-9".
    void load(const SettingsFile& file);
    void save(SettingsFile& file) const;

private:
    std::array<std::string, capacity> m_entries;
    PopupMenu m_menu;
    uint32_t m_firstId = 0;
};

// The menu caption of entry n: "&n " and the path, shortened in the middle to 80 bytes of text
// around its last folder separator, every "&" doubled so it shows as itself, and no UTF-8 character
// ever split.
std::string menuText(int n, std::string_view path);
