#include "tools/korusim/control_server.h"

#include <cstdio>

namespace {

// The computer's control connection reads into 8 KiB.
constexpr std::size_t receive_area_size = 8192;
// Acknowledgements queued for a controller that does not read them.
constexpr std::size_t send_limit = 64 * 1024;

std::string seconds_text(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

} // namespace

CControl_server::CControl_server(CEvent_log &log, IMessage_handler &handler,
                                 double watchdog_seconds, double drop_after_seconds)
    : CTcp_server("control port", log, send_limit),
      m_handler(handler),
      m_watchdog_seconds(watchdog_seconds),
      m_drop_after_seconds(drop_after_seconds),
      m_reassembler(receive_area_size)
{
    m_reassembler.set_message_queue(&m_messages);
}

void CControl_server::client_connected(double now)
{
    m_reassembler.reset();
    m_last_message = now;
    m_handler.controller_connected();
}

void CControl_server::received(std::size_t count, double now)
{
    m_last_message = now;
    m_reassembler.consume(count, *this);
}

void CControl_server::client_closed()
{
    m_reassembler.reset();
    m_handler.controller_gone();
}

void CControl_server::frame_received(CFrame_queue &queue, EFrame_status status)
{
    m_handler.message_received({queue.buffer(), queue.frame_length()}, status);
}

void CControl_server::check_timers(double now)
{
    if (!has_client()) {
        return;
    }
    if (m_drop_after_seconds > 0 && now - connected_at() >= m_drop_after_seconds) {
        drop_client("dropped by the fault switch after " + seconds_text(m_drop_after_seconds));
    } else if (m_watchdog_seconds > 0 && now - m_last_message >= m_watchdog_seconds) {
        drop_client("watchdog: no message for " + seconds_text(m_watchdog_seconds));
    }
}
