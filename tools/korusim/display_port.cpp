#include "tools/korusim/display_port.h"

CDisplay_port::CDisplay_port(CEvent_log &log, const SFault_options &faults)
    : m_log(log), m_faults(faults), m_split(faults.split_frames)
{}

int CDisplay_port::open(std::uint32_t local, const SEndpoint &destination)
{
    m_destination = destination;
    return open_datagram_sender(local, m_socket);
}

void CDisplay_port::send(std::span<const std::byte> frame)
{
    const std::span<const std::byte> bytes = m_faults.apply(frame);
    if (!m_split) {
        send_datagram(bytes);
        return;
    }
    // The first datagram ends in the middle of the frame; the second brings the rest.
    const std::size_t cut = m_faults.garbage_length() + frame.size() / 2;
    send_datagram(bytes.first(cut));
    send_datagram(bytes.subspan(cut));
}

// A datagram the socket cannot take now is dropped, as a busy network would drop it.
void CDisplay_port::send_datagram(std::span<const std::byte> bytes)
{
    const int error = ::send_datagram(m_socket.get(), m_destination, bytes);
    if (error == 0) {
        m_last_error = 0;
        return;
    }
    if (error != m_last_error) {
        m_log.line("display port: sending to " + format_endpoint(m_destination) +
                   " failed: " + error_text(error));
        m_last_error = error;
    }
}
