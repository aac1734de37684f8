#include "shell/computer_list.h"

#include <algorithm>

CComputer_list::CComputer_list(std::function<std::size_t(std::size_t)> random_slot)
    : m_random_slot(std::move(random_slot))
{
    m_addresses.reserve(capacity);
}

CComputer_list::SAdded CComputer_list::add(std::uint32_t address,
                                           std::optional<std::size_t> selected)
{
    if (address == 0) {
        return {EAdded::refused, 0};
    }
    if (const auto known = find(address)) {
        return {EAdded::known, *known};
    }
    if (m_addresses.size() < capacity) {
        m_addresses.push_back(address);
        return {EAdded::appended, m_addresses.size() - 1};
    }
    // A random slot among the others: draw from one fewer and step over the selected one.
    const std::size_t choices = selected ? capacity - 1 : capacity;
    std::size_t slot = m_random_slot(choices) % choices;
    if (selected && slot >= *selected) {
        ++slot;
    }
    m_addresses[slot] = address;
    return {EAdded::replaced, slot};
}

std::optional<std::size_t> CComputer_list::find(std::uint32_t address) const
{
    const auto found = std::find(m_addresses.begin(), m_addresses.end(), address);
    if (found == m_addresses.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - m_addresses.begin());
}
