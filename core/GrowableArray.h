#pragma once

#include "base/ErrorFrame.h"

#include <cstdint>
#include <new>

// An unordered array that grows to capacity + capacity / 3 + 4 when full. Removing an entry moves the
// last entry into its slot, so removal is constant time and order is not kept.
template <class T>
class GrowableArray {
public:
    GrowableArray() = default;
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;
    ~GrowableArray() { delete[] m_items; }

    uint32_t count() const { return m_count; }
    uint32_t capacity() const { return m_capacity; }
    T& operator[](uint32_t i) { return m_items[i]; }
    const T& operator[](uint32_t i) const { return m_items[i]; }

    // The index of item, or count() when it is absent.
    uint32_t indexOf(const T& item) const
    {
        uint32_t i = 0;
        while (i < m_count && !(m_items[i] == item))
            ++i;
        return i;
    }

    void append(const T& item)
    {
        if (!tryAppend(item))
            fatalError(errorOutOfMemory);
    }

    // Appends item unless the array is full and there is no room to grow; answers whether it did.
    bool tryAppend(const T& item)
    {
        if (m_count == m_capacity && !grow())
            return false;
        m_items[m_count++] = item;
        return true;
    }

    void removeAt(uint32_t i)
    {
        m_items[i] = m_items[m_count - 1];
        --m_count;
    }

private:
    bool grow()
    {
        uint32_t capacity = m_capacity + m_capacity / 3 + 4;
        T* items = capacity > m_capacity ? new (std::nothrow) T[capacity] : nullptr;
        if (!items)
            return false;
        for (uint32_t i = 0; i < m_count; ++i)
            items[i] = m_items[i];
        delete[] m_items;
        m_items = items;
        m_capacity = capacity;
        return true;
    }

    uint32_t m_count = 0;
    uint32_t m_capacity = 0;
    T* m_items = nullptr;
};
