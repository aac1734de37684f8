#pragma once
// A logging port: one client at a time receives the frames of the groups selected for the port,
// whole, in order. A client that cannot keep up loses whole frames, never parts of one. What the
// port sends may be kept in a file, and a connection may be closed after a number of bytes.

#include "tools/korusim/frame_faults.h"
#include "tools/korusim/tcp_server.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

class CLogging_server final : public CTcp_server {
public:
    // `saved`: the file that keeps every byte sent (none when empty).
    CLogging_server(std::string name, CEvent_log &log, const SFault_options &faults,
                    const std::string &saved);

    // The groups the port streams from now on.
    void select(std::vector<std::uint16_t> groups) { m_groups = std::move(groups); }
    // True when a client is connected and `group` is selected for this port.
    bool wants(std::uint16_t group) const;
    void offer(std::span<const std::byte> frame);

private:
    void client_connected(double) override { m_sent_to_client = 0; }
    std::span<std::byte> receive_area() override { return m_discarded; }
    void received(std::size_t, double) override {}
    void client_closed() override;
    bool send_and_keep(std::span<const std::byte> bytes);

    std::vector<std::uint16_t> m_groups;
    CFrame_faults m_faults;
    std::size_t m_close_after;
    std::size_t m_sent_to_client = 0;
    std::ofstream m_saved;
    std::array<std::byte, 512> m_discarded{}; // whatever a client sends is read and dropped
    std::uint64_t m_frames_lost = 0;
};
