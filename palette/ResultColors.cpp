#include "palette/ResultColors.h"

#include "core/Aspects.h"

void ResultColors::click(int i)
{
    if (!isEntry(i) || i == m_first || i == m_second)
        return change(m_first, i == m_first ? std::nullopt : m_second);
    if (!m_first)
        return change(i, std::nullopt);
    change(m_first, i);
}

void ResultColors::setFirst(int i)
{
    if (isEntry(i))
        change(i, m_second == i ? std::nullopt : m_second);
}

void ResultColors::setSecond(int i)
{
    if (!isEntry(i) || i == m_first)
        return;
    if (!m_first)
        return change(i, std::nullopt);
    change(m_first, i);
}

void ResultColors::clear()
{
    change(std::nullopt, std::nullopt);
}

void ResultColors::change(std::optional<int> first, std::optional<int> second)
{
    bool firstChanged = first != m_first, secondChanged = second != m_second;
    m_first = first;
    m_second = second;
    if (firstChanged)
        Model::changed(&aspects::ResultColors::result1st);
    if (secondChanged)
        Model::changed(&aspects::ResultColors::result2nd);
    if (firstChanged || secondChanged)
        changed();
}
