#pragma once
// Stands between korusim and the main window: receives korusim's display port and sends each
// datagram on to the main window from the fake computer's address, keeping the last frame of each
// group it passed on.

#include "controller_fixture.h"

#include <algorithm>
#include <map>
#include <vector>

namespace controller_test {

class CDisplay_relay {
public:
    CDisplay_relay(const CUdp_sender &onward, std::uint16_t to_port)
        : m_onward(onward), m_to_port(to_port)
    {}

    std::uint16_t port() const { return m_in.port(); }
    // Passes on every datagram waiting now.
    void pass_on()
    {
        for (const Bytes &datagram : m_in.take()) {
            m_onward.send_to(m_to_port, datagram);
            if (datagram.size() > 8 && datagram[1] == std::byte{'G'}) { // "$GRP"
                const std::uint16_t number = u16_at(datagram, 4);
                last_groups[number] = datagram;
                ++times_passed[number];
            }
        }
    }

    // True when every group from `first` to `last` has been passed on `times` times or more.
    bool passed(std::uint16_t first, std::uint16_t last, int times) const
    {
        for (std::uint16_t number = first; number <= last; ++number) {
            if (!passed_group(number, times)) {
                return false;
            }
        }
        return true;
    }
    // True when every group of `numbers` has been passed on `times` times or more.
    bool passed(const std::vector<std::uint16_t> &numbers, int times) const
    {
        return std::all_of(numbers.begin(), numbers.end(),
                           [&](std::uint16_t number) { return passed_group(number, times); });
    }

    std::map<std::uint16_t, Bytes> last_groups;
    std::map<std::uint16_t, int> times_passed;

private:
    bool passed_group(std::uint16_t number, int times) const
    {
        const auto found = times_passed.find(number);
        return found != times_passed.end() && found->second >= times;
    }

    CUdp_receiver m_in;
    const CUdp_sender &m_onward;
    std::uint16_t m_to_port;
};

} // namespace controller_test
