#include "base/NumberList.h"

#include <charconv>
#include <utility>

std::optional<int32_t> NumberList::next(int radix)
{
    if (m_ended)
        return std::nullopt;
    if (!std::exchange(m_first, false)) {
        if (!m_rest.starts_with(',')) {
            m_ended = true;
            return std::nullopt;
        }
        m_rest.remove_prefix(1);
    }
    size_t start = m_rest.find_first_not_of(" \t\n\v\f\r");
    m_rest.remove_prefix(start == std::string_view::npos ? m_rest.size() : start);
    // from_chars takes a minus sign only.
    if (m_rest.size() > 1 && m_rest[0] == '+' && m_rest[1] != '-')
        m_rest.remove_prefix(1);
    int32_t value = 0;
    auto [end, error] = std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), value, radix);
    if (error != std::errc()) {
        m_ended = true;
        return std::nullopt;
    }
    m_rest.remove_prefix(size_t(end - m_rest.data()));
    return value;
}

std::vector<int32_t> NumberList::read(std::string_view text, size_t most)
{
    NumberList list(text);
    std::vector<int32_t> numbers;
    while (numbers.size() < most) {
        std::optional<int32_t> number = list.next();
        if (!number)
            break;
        numbers.push_back(*number);
    }
    return numbers;
}
