#pragma once
// A logging port: one client at a time receives the frames of the groups selected for the port,
// whole, in order. A client that cannot keep up loses whole frames, never parts of one.

#include "tools/korusim/frame_faults.h"
#include "tools/korusim/tcp_server.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CLogging_server final : public CTcp_server {
public:
    CLogging_server(std::string name, CEvent_log &log, std::vector<std::uint16_t> groups,
                    const SFault_options &faults);

    // True when a client is connected and `group` is selected for this port.
    bool wants(std::uint16_t group) const;
    void offer(std::span<const std::byte> frame);

private:
    void client_connected(double) override {}
    std::span<std::byte> receive_area() override { return m_discarded; }
    void received(std::size_t, double) override {}
    void client_closed() override;

    std::vector<std::uint16_t> m_groups;
    CFrame_faults m_faults;
    std::array<std::byte, 512> m_discarded{}; // whatever a client sends is read and dropped
    std::uint64_t m_frames_lost = 0;
};
