#pragma once
// A lidar scanner's data logger on its TCP port, as the PC's Q560 tool talks to it: one client at
// a time, every text command (ended by CR) echoed, the programming-mode byte (DLE) answered with
// "*", the start of scanning (CAN) with "mSCANNING", ".LOG_MODE" with "=LOG_MODE n" and
// ".GPS_STATUS" with "GPS_STATUS0". Its faults are switched in SScanner_options.

#include "tools/korusim/options.h"
#include "tools/korusim/tcp_server.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

class CScanner_server final : public CTcp_server {
public:
    CScanner_server(CEvent_log &log, const SScanner_options &options);

    // Sends the parts of answers due by `now`, in order.
    void send_due(double now);
    // When the next part of an answer is due; infinity when none waits.
    double next_time() const;

private:
    struct SPart {
        double due;
        std::string bytes;
    };

    void client_connected(double) override {}
    std::span<std::byte> receive_area() override { return m_area; }
    void received(std::size_t count, double now) override;
    void client_closed() override;

    void take_byte(char byte, double now);
    void text_command(double now);
    void answer(std::string_view bytes, double now);

    SScanner_options m_options;
    std::array<std::byte, 512> m_area{};
    std::string m_line; // a text command until its CR
    int m_log_mode = 2;
    std::deque<SPart> m_parts;
};
