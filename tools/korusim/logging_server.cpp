#include "tools/korusim/logging_server.h"

#include <algorithm>

namespace {

// About a minute of the busiest stream a client may fall behind before frames are lost.
constexpr std::size_t send_limit = 4 * 1024 * 1024;

} // namespace

CLogging_server::CLogging_server(std::string name, CEvent_log &log, const SFault_options &faults,
                                 const std::string &saved)
    : CTcp_server(std::move(name), log, send_limit),
      m_faults(faults),
      m_close_after(faults.logging_close_after)
{
    if (!saved.empty()) {
        m_saved.open(saved, std::ios::binary | std::ios::trunc);
        if (!m_saved) {
            log.line(this->name() + ": cannot write " + saved);
        }
    }
}

bool CLogging_server::wants(std::uint16_t group) const
{
    return has_client() && std::find(m_groups.begin(), m_groups.end(), group) != m_groups.end();
}

// A connection to be closed after a number of bytes gets the frame that crosses it cut there.
void CLogging_server::offer(std::span<const std::byte> frame)
{
    std::span<const std::byte> bytes = m_faults.apply(frame);
    const bool last = m_close_after > 0 && m_sent_to_client + bytes.size() >= m_close_after;
    if (last) {
        bytes = bytes.first(m_close_after - m_sent_to_client);
    }
    if (!send_and_keep(bytes)) {
        if (m_frames_lost++ == 0) {
            log().line(name() + ": the client does not keep up; frames are being lost");
        }
        return;
    }
    if (last) {
        log().line(name() + ": closing after " + std::to_string(m_close_after) + " bytes");
        close_after_sending();
    }
}

bool CLogging_server::send_and_keep(std::span<const std::byte> bytes)
{
    if (!send(bytes)) {
        return false;
    }
    m_sent_to_client += bytes.size();
    if (m_saved.is_open()) {
        m_saved.write(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        m_saved.flush();
    }
    return true;
}

void CLogging_server::client_closed()
{
    if (m_frames_lost > 0) {
        log().line(name() + ": " + std::to_string(m_frames_lost) + " frames lost");
    }
    m_frames_lost = 0;
}
