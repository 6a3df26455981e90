#include "views/ZoomSteps.h"

#include "base/NumberList.h"
#include "formats/SettingsFile.h"

#include <algorithm>
#include <string>

ZoomSteps::ZoomSteps(std::vector<int32_t> entries, int32_t lower, int32_t upper)
    : m_entries(std::move(entries)), m_lower(lower), m_upper(upper)
{
}

void ZoomSteps::setEntry(int i, int32_t v)
{
    int n = count();
    m_entries.at(size_t(i)) = std::clamp(v, m_lower + i, m_upper - (n - 1 - i));
    for (int j = i - 1; j >= 0; --j)
        if (m_entries[size_t(j)] >= m_entries[size_t(j) + 1])
            m_entries[size_t(j)] = m_entries[size_t(j) + 1] - 1;
    for (int j = i + 1; j < n; ++j)
        if (m_entries[size_t(j)] <= m_entries[size_t(j) - 1])
            m_entries[size_t(j)] = m_entries[size_t(j) - 1] + 1;
}

int32_t ZoomSteps::nextHigher(int32_t z) const
{
    for (int32_t entry : m_entries)
        if (entry > z)
            return entry;
    return z;
}

int32_t ZoomSteps::nextLower(int32_t z) const
{
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry)
        if (*entry < z)
            return *entry;
    return z;
}

ZoomSteps& ZoomSteps::mainSteps()
{
    static ZoomSteps steps({1, 2, 3, 4, 5}, 1, 16);
    return steps;
}

ZoomSteps& ZoomSteps::subSteps()
{
    static ZoomSteps steps({1, 2, 3}, 1, 8);
    return steps;
}

void loadZoomSteps(const SettingsFile& file, ZoomSteps& main, ZoomSteps& sub)
{
    std::vector<int32_t> values{1, 2, 4, 8, 16};
    std::vector<int32_t> read = NumberList::read(file.readString("ZoomMain"), values.size());
    std::copy(read.begin(), read.end(), values.begin());
    for (int i = 0; i < main.count() && i < int(values.size()); ++i)
        main.setEntry(i, values[size_t(i)]);

    std::vector<int32_t> subValues = NumberList::read(file.readString("ZoomSub"), 3);
    for (int i = 0; i < int(subValues.size()) && i < sub.count(); ++i)
        sub.setEntry(i, subValues[size_t(i)]);
}

namespace {

std::string joined(const ZoomSteps& steps)
{
    std::string text;
    for (int32_t entry : steps.entries())
        text += (text.empty() ? "" : ",") + std::to_string(entry);
    return text;
}

} // namespace

void saveZoomSteps(SettingsFile& file, const ZoomSteps& main, const ZoomSteps& sub)
{
    file.writeString("ZoomMain", joined(main));
    file.writeString("ZoomSub", joined(sub));
}
