#include "tools/korusim/logging_server.h"

#include <algorithm>

namespace {

// About a minute of the busiest stream a client may fall behind before frames are lost.
constexpr std::size_t send_limit = 4 * 1024 * 1024;

} // namespace

CLogging_server::CLogging_server(std::string name, CEvent_log &log,
                                 std::vector<std::uint16_t> groups, const SFault_options &faults)
    : CTcp_server(std::move(name), log, send_limit), m_groups(std::move(groups)), m_faults(faults)
{}

bool CLogging_server::wants(std::uint16_t group) const
{
    return has_client() && std::find(m_groups.begin(), m_groups.end(), group) != m_groups.end();
}

void CLogging_server::offer(std::span<const std::byte> frame)
{
    if (send(m_faults.apply(frame))) {
        return;
    }
    if (m_frames_lost++ == 0) {
        log().line(name() + ": the client does not keep up; frames are being lost");
    }
}

void CLogging_server::client_closed()
{
    if (m_frames_lost > 0) {
        log().line(name() + ": " + std::to_string(m_frames_lost) + " frames lost");
    }
    m_frames_lost = 0;
}
