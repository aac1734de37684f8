#pragma once
// The computers the user can choose from: at most 32 addresses, in the order they were heard
// from or typed. When the list is full a newcomer takes the place of a random entry other than
// the selected one.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CComputer_list {
public:
    static constexpr std::size_t capacity = 32;

    // `random_slot(n)` picks a number from 0 to n - 1; tests give a predictable one.
    explicit CComputer_list(std::function<std::size_t(std::size_t)> random_slot);

    enum class EAdded { known, appended, replaced, refused };
    struct SAdded {
        EAdded how;
        std::size_t index; // where the address is now (for known, appended and replaced)
    };

    // Adds `address` (host order). 0 is no address and is refused; an address already listed is
    // found rather than listed twice; a full list replaces a random entry other than `selected`.
    SAdded add(std::uint32_t address, std::optional<std::size_t> selected);

    std::optional<std::size_t> find(std::uint32_t address) const;
    std::uint32_t address(std::size_t index) const { return m_addresses[index]; }
    std::size_t size() const { return m_addresses.size(); }

private:
    std::vector<std::uint32_t> m_addresses;
    std::function<std::size_t(std::size_t)> m_random_slot;
};
