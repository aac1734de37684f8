#pragma once
// The display port: every frame goes out as a UDP datagram from the computer's own address, or
// as two when frames are to be split.

#include "tools/korusim/event_log.h"
#include "tools/korusim/frame_faults.h"
#include "tools/korusim/net.h"

#include <cstdint>
#include <span>

class CDisplay_port {
public:
    CDisplay_port(CEvent_log &log, const SFault_options &faults);

    // Binds the sending socket to `local` and aims it at `destination`. Returns 0 or errno.
    int open(std::uint32_t local, const SEndpoint &destination);
    void send(std::span<const std::byte> frame);

private:
    void send_datagram(std::span<const std::byte> bytes);

    CEvent_log &m_log;
    CFrame_faults m_faults;
    bool m_split;
    CFd m_socket;
    SEndpoint m_destination;
    int m_last_error = 0; // reported once until sending works again
};
