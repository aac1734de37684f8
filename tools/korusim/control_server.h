#pragma once
// The control port: one controller at a time, its messages reassembled and handed on with the
// result of their frame check, a watchdog that drops a controller gone quiet, and the fault that
// drops it after a while.

#include "tools/korusim/tcp_server.h"

#include "protocol/group_buffer.h"
#include "protocol/reassembler.h"

#include <span>

class IMessage_handler {
public:
    // A message frame came; `status` is its frame check. Must not feed the control server's
    // reassembly again (sending is fine).
    virtual void message_received(std::span<const std::byte> frame, EFrame_status status) = 0;
    virtual void controller_connected() = 0;
    virtual void controller_gone() = 0;

protected:
    ~IMessage_handler() = default;
};

class CControl_server final : public CTcp_server, private IFrame_sink {
public:
    // `watchdog_seconds` and `drop_after_seconds` of 0 mean never.
    CControl_server(CEvent_log &log, IMessage_handler &handler, double watchdog_seconds,
                    double drop_after_seconds);

    // Drops the controller when the watchdog or the drop fault says so.
    void check_timers(double now);

private:
    void client_connected(double now) override;
    std::span<std::byte> receive_area() override { return m_reassembler.free_area(); }
    void received(std::size_t count, double now) override;
    void client_closed() override;
    void frame_received(CFrame_queue &queue, EFrame_status status) override;

    IMessage_handler &m_handler;
    double m_watchdog_seconds;
    double m_drop_after_seconds;
    CMessage_buffer m_messages;
    CReassembler m_reassembler;
    double m_last_message = 0;
};
