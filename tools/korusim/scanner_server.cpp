#include "tools/korusim/scanner_server.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr char dle = 0x10;  // programming mode
constexpr char can = 0x18;  // start scanning
constexpr char ack = 0x06;  // laser off
constexpr char so = 0x0E;   // laser on
constexpr char cr = '\r';

// The second part of a split answer follows this much later.
constexpr double split_delay = 0.05;
// A text without CR is dropped beyond this length.
constexpr std::size_t longest_command = 1024;
constexpr std::size_t send_limit = 64 * 1024;

constexpr std::string_view log_mode_query = ".LOG_MODE";
constexpr std::string_view gps_status_query = ".GPS_STATUS";
constexpr std::string_view set_log_mode = "LOG_MODE";
constexpr std::string_view open_file = "HDLOG_OPEN";

} // namespace

CScanner_server::CScanner_server(CEvent_log &log, const SScanner_options &options)
    : CTcp_server("lidar scanner", log, send_limit), m_options(options)
{}

void CScanner_server::received(std::size_t count, double now)
{
    for (std::size_t i = 0; i < count; ++i) {
        take_byte(static_cast<char>(std::to_integer<unsigned char>(m_area[i])), now);
    }
}

void CScanner_server::client_closed()
{
    m_line.clear();
    m_parts.clear();
}

void CScanner_server::take_byte(char byte, double now)
{
    switch (byte) {
    case dle:
        log().line(name() + ": received DLE, programming mode");
        answer("*", now);
        return;
    case can:
        log().line(name() + ": received CAN, start scanning");
        answer(m_options.fatal ? "mFATAL\r" : "mSCANNING\r", now);
        return;
    case ack:
        log().line(name() + ": received ACK, laser off");
        return;
    case so:
        log().line(name() + ": received SO, laser on");
        return;
    case cr:
        text_command(now);
        return;
    case '\n':
        return;
    default:
        break;
    }
    m_line += byte;
    if (m_line.size() > longest_command) {
        log().line(name() + ": " + std::to_string(m_line.size()) +
                   " bytes without CR dropped");
        m_line.clear();
    }
}

// The echo first, then the answer of a query.
void CScanner_server::text_command(double now)
{
    const std::string command = std::exchange(m_line, {});
    log().line(name() + ": received \"" + command + "\"");
    if (command == open_file && m_options.logger_problem) {
        answer("?" + command + cr, now);
        return;
    }
    answer(command + cr, now);
    if (command == log_mode_query) {
        answer(m_options.short_log_mode ? "=LOG_MODE\r"
                                        : "=LOG_MODE " + std::to_string(m_log_mode) + cr,
               now);
    } else if (command == gps_status_query) {
        answer("GPS_STATUS0\r", now);
    } else if (command.starts_with(set_log_mode) && command.size() == set_log_mode.size() + 1 &&
               command.back() >= '1' && command.back() <= '7') {
        m_log_mode = command.back() - '0';
    }
}

void CScanner_server::answer(std::string_view bytes, double now)
{
    if (m_options.silent || bytes.empty()) {
        return;
    }
    if (!m_options.split_answers) {
        m_parts.push_back({now, std::string(bytes)});
    } else {
        const std::size_t half = (bytes.size() + 1) / 2;
        const double first = m_parts.empty() ? now : std::max(now, m_parts.back().due);
        m_parts.push_back({first, std::string(bytes.substr(0, half))});
        if (half < bytes.size()) {
            m_parts.push_back({first + split_delay, std::string(bytes.substr(half))});
        }
    }
    send_due(now);
}

void CScanner_server::send_due(double now)
{
    while (!m_parts.empty() && m_parts.front().due <= now) {
        const std::string &bytes = m_parts.front().bytes;
        send({reinterpret_cast<const std::byte *>(bytes.data()), bytes.size()});
        m_parts.pop_front();
    }
}

double CScanner_server::next_time() const
{
    return m_parts.empty() ? std::numeric_limits<double>::infinity() : m_parts.front().due;
}
