#pragma once
// A list with an "in use" count: entries past it stay allocated but are hidden from visits.
//
// Variable-length parts of a record (the group list of a selection message, the satellites of a
// GNSS group) are built at their largest size once; lowering the in-use count hides the trailing
// entries without freeing them, so that a record can shrink and grow again per frame without
// allocating.

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

template <class T>
class TA_simple_list {
public:
    explicit TA_simple_list(std::size_t capacity = 128) { m_items.reserve(capacity); }

    // Appending makes every entry visible again.
    void append(T item)
    {
        m_items.push_back(std::move(item));
        m_in_use = m_items.size();
    }

    std::size_t count() const { return m_items.size(); }
    std::size_t in_use() const { return m_in_use; }

    // Returns the count actually applied: never more than the entries that exist.
    std::size_t set_in_use(std::size_t count)
    {
        m_in_use = std::min(count, m_items.size());
        return m_in_use;
    }

    std::span<T> visible() { return {m_items.data(), m_in_use}; }
    std::span<const T> visible() const { return {m_items.data(), m_in_use}; }
    std::span<T> all() { return {m_items.data(), m_items.size()}; }
    std::span<const T> all() const { return {m_items.data(), m_items.size()}; }

    T &operator[](std::size_t index) { return m_items[index]; }
    const T &operator[](std::size_t index) const { return m_items[index]; }

    // A visible entry taken out leaves the hidden ones hidden.
    void erase_at(std::size_t index)
    {
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
        if (index < m_in_use) {
            --m_in_use;
        }
    }

    void clear()
    {
        m_items.clear();
        m_in_use = 0;
    }

private:
    std::vector<T> m_items;
    std::size_t m_in_use = 0;
};
