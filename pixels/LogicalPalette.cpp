#include "pixels/LogicalPalette.h"

#include <algorithm>

std::shared_ptr<LogicalPalette> LogicalPalette::copyOf(const LogicalPalette* other)
{
    if (!other || other->isNull())
        return nullptr;
    auto copy = std::make_shared<LogicalPalette>();
    copy->assign(*other);
    return copy;
}

void LogicalPalette::assign(const LogicalPalette& other)
{
    if (&other == this)
        return;
    size_t count = std::min<size_t>(other.m_entries.size(), maxEntries);
    m_entries.assign(other.m_entries.begin(), other.m_entries.begin() + count);
}

void LogicalPalette::create(int count)
{
    m_entries.clear();
    if (count > 0 && count <= maxEntries)
        m_entries.assign(size_t(count), rgb(0, 0, 0));
}

void LogicalPalette::resize(int count)
{
    if (isNull())
        return;
    m_entries.resize(size_t(std::clamp(count, 0, maxEntries)), rgb(0, 0, 0));
}

ColorRef LogicalPalette::colorAt(int index) const
{
    return index >= 0 && index < size() ? m_entries[size_t(index)] : rgb(0, 0, 0);
}

void LogicalPalette::setColorAt(int index, ColorRef color)
{
    if (index >= 0 && index < size())
        m_entries[size_t(index)] = color & 0x00FFFFFF;
}

void LogicalPalette::setColors(int start, const ColorRef* colors, int count)
{
    if (start < 0 || start >= size())
        return;
    count = std::min(count, size() - start);
    for (int i = 0; i < count; ++i)
        m_entries[size_t(start + i)] = colors[i] & 0x00FFFFFF;
}

int LogicalPalette::nearestIndex(ColorRef color) const
{
    int best = 0;
    int bestDistance = 3 * 255 * 255 + 1;
    for (int i = 0; i < size(); ++i) {
        int dr = redOf(m_entries[size_t(i)]) - redOf(color);
        int dg = greenOf(m_entries[size_t(i)]) - greenOf(color);
        int db = blueOf(m_entries[size_t(i)]) - blueOf(color);
        int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
