#include "lidar/scanner_dialogue.h"

#include <algorithm>
#include <array>

namespace {

using namespace std::string_view_literals;

// What a step waits for: its answer somewhere in what came after the command, or a keyed answer
// whose meaning is the character after the key.
enum class EAnswer : std::uint8_t {
    text,      // the text, anywhere
    log_mode,  // "=LOG_MODE", blanks, then the mode's digit
    gps_status // "GPS_STATUS" but not the echo ".GPS_STATUS", then "0" when synchronised
};

struct SStep_row {
    std::string_view command;
    std::string_view name;
    EAnswer kind;
    std::string_view answer;
};

constexpr auto dle = "\x10"sv; // enters programming mode
constexpr auto can = "\x18"sv; // starts scanning

constexpr std::array open_logging_steps = {
    SStep_row{dle, "DLE", EAnswer::text, "*"},
    SStep_row{"HDLOG_OPEN\r", "HDLOG_OPEN", EAnswer::text, "HDLOG_OPEN\r"},
    SStep_row{"HDLOG1\r", "HDLOG1", EAnswer::text, "HDLOG1\r"},
    SStep_row{"Q\r", "Q", EAnswer::text, "Q\r"},
    SStep_row{can, "CAN", EAnswer::text, "mSCANNING"},
};
constexpr std::array close_logging_steps = {
    SStep_row{dle, "DLE", EAnswer::text, "*"},
    SStep_row{"HDLOG_CLOSE\r", "HDLOG_CLOSE", EAnswer::text, "HDLOG_CLOSE\r"},
    SStep_row{"HDLOG0\r", "HDLOG0", EAnswer::text, "HDLOG0\r"},
};
constexpr std::array status_query_steps = {
    SStep_row{dle, "DLE", EAnswer::text, "*"},
    SStep_row{".LOG_MODE\r", ".LOG_MODE", EAnswer::log_mode, "=LOG_MODE"},
    SStep_row{".GPS_STATUS\r", ".GPS_STATUS", EAnswer::gps_status, "GPS_STATUS"},
};

std::span<const SStep_row> steps_of(EScanner_sequence sequence)
{
    switch (sequence) {
    case EScanner_sequence::open_logging:
        return open_logging_steps;
    case EScanner_sequence::close_logging:
        return close_logging_steps;
    case EScanner_sequence::status_query:
        break;
    }
    return status_query_steps;
}

struct SAlarm_text {
    EScanner_alarm alarm;
    std::string_view text;
};
constexpr std::array alarm_texts = {
    SAlarm_text{EScanner_alarm::fatal, "mFATAL"},
    SAlarm_text{EScanner_alarm::logger_problem, "?HDLOG_OPEN"},
};
constexpr std::size_t longest_alarm = 11;

constexpr int first_log_mode = 1;
constexpr int last_log_mode = 7;

bool is_logging(EScanner_sequence sequence)
{
    return sequence != EScanner_sequence::status_query;
}

} // namespace

std::string_view SequenceName(EScanner_sequence sequence)
{
    switch (sequence) {
    case EScanner_sequence::open_logging:
        return "open logging";
    case EScanner_sequence::close_logging:
        return "close logging";
    case EScanner_sequence::status_query:
        break;
    }
    return "status query";
}

void CScanner_dialogue::connected()
{
    m_connected = true;
    m_stream.clear();
    m_answer_from = 0;
    m_alarm_from = 0;
    m_waiting_query = true;
    start_next();
}

void CScanner_dialogue::disconnected()
{
    m_connected = false;
    if (m_running && is_logging(m_running->sequence) && !m_waiting_logging) {
        m_waiting_logging = m_running->sequence == EScanner_sequence::open_logging;
    }
    m_running.reset();
    m_waiting_query = false;
    m_stream.clear();
    m_answer_from = 0;
    m_alarm_from = 0;
}

void CScanner_dialogue::request_logging(bool logging)
{
    if (m_running && is_logging(m_running->sequence)) {
        m_running.reset();
    }
    m_waiting_logging = logging;
    start_next();
}

void CScanner_dialogue::receive(std::span<const std::byte> bytes)
{
    m_stream.append(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    scan();
    trim();
}

std::optional<SScanner_step> CScanner_dialogue::waiting_step() const
{
    if (!m_running) {
        return std::nullopt;
    }
    const std::span<const SStep_row> steps = steps_of(m_running->sequence);
    const SStep_row &row = steps[m_running->step];
    return SScanner_step{m_running->sequence, m_running->step, steps.size(), row.command, row.name};
}

void CScanner_dialogue::give_up()
{
    m_running.reset();
    start_next();
}

void CScanner_dialogue::start(EScanner_sequence sequence)
{
    m_running = SRunning{sequence, 0};
    send_step();
}

// The status query comes first after connecting, then the newest logging request.
void CScanner_dialogue::start_next()
{
    if (!m_connected || m_running) {
        return;
    }
    if (m_waiting_query) {
        m_waiting_query = false;
        start(EScanner_sequence::status_query);
    } else if (m_waiting_logging) {
        const bool logging = *m_waiting_logging;
        m_waiting_logging.reset();
        start(logging ? EScanner_sequence::open_logging : EScanner_sequence::close_logging);
    }
}

// Only what the logger sends after the command can answer it.
void CScanner_dialogue::send_step()
{
    m_answer_from = m_stream.size();
    ++m_commands_sent;
    m_listener.send_to_scanner(steps_of(m_running->sequence)[m_running->step].command);
}

void CScanner_dialogue::stop_running()
{
    m_running.reset();
    start_next();
}

void CScanner_dialogue::advance(const SMatch &match)
{
    m_answer_from = match.end;
    const EScanner_sequence sequence = m_running->sequence;
    const std::span<const SStep_row> steps = steps_of(sequence);
    const SStep_row &row = steps[m_running->step];
    if (row.kind == EAnswer::log_mode) {
        m_listener.log_mode_reported(match.value);
    }
    if (m_running->step + 1 < steps.size()) {
        ++m_running->step;
        send_step();
        return;
    }
    m_running.reset();
    switch (sequence) {
    case EScanner_sequence::open_logging:
        m_listener.logging_confirmed(true);
        break;
    case EScanner_sequence::close_logging:
        m_listener.logging_confirmed(false);
        break;
    case EScanner_sequence::status_query:
        m_listener.gps_sync_reported(match.value == 0);
        break;
    }
    start_next();
}

// Alarms and answers are taken in the order they came.
void CScanner_dialogue::scan()
{
    while (true) {
        EScanner_alarm alarm = EScanner_alarm::fatal;
        const std::optional<SMatch> found_alarm = find_alarm(alarm);
        const std::optional<SMatch> answer = find_answer();
        if (found_alarm && (!answer || found_alarm->begin <= answer->begin)) {
            m_alarm_from = found_alarm->end;
            take_alarm(alarm);
        } else if (answer) {
            advance(*answer);
        } else {
            break;
        }
    }
    // An alarm text may still be coming: its start is kept for the next bytes.
    if (m_stream.size() >= longest_alarm) {
        m_alarm_from = std::max(m_alarm_from, m_stream.size() - (longest_alarm - 1));
    }
}

std::optional<CScanner_dialogue::SMatch> CScanner_dialogue::find_alarm(EScanner_alarm &alarm) const
{
    std::optional<SMatch> earliest;
    for (const SAlarm_text &candidate : alarm_texts) {
        const std::size_t at = m_stream.find(candidate.text, m_alarm_from);
        if (at != std::string::npos && (!earliest || at < earliest->begin)) {
            earliest = SMatch{at, at + candidate.text.size(), std::nullopt};
            alarm = candidate.alarm;
        }
    }
    return earliest;
}

std::optional<CScanner_dialogue::SMatch> CScanner_dialogue::find_answer() const
{
    if (!m_running) {
        return std::nullopt;
    }
    const SStep_row &row = steps_of(m_running->sequence)[m_running->step];
    std::size_t at = m_stream.find(row.answer, m_answer_from);
    // The echo of ".GPS_STATUS" carries the key too, but no status.
    while (row.kind == EAnswer::gps_status && at != std::string::npos && at > m_answer_from &&
           m_stream[at - 1] == '.') {
        at = m_stream.find(row.answer, at + 1);
    }
    if (at == std::string::npos) {
        return std::nullopt;
    }
    std::size_t next = at + row.answer.size();
    if (row.kind == EAnswer::text) {
        return SMatch{at, next, std::nullopt};
    }
    if (row.kind == EAnswer::log_mode) {
        while (next < m_stream.size() && m_stream[next] == ' ') {
            ++next;
        }
    }
    // A keyed answer is whole once the character after its key has come.
    if (next >= m_stream.size()) {
        return std::nullopt;
    }
    const int digit = m_stream[next] - '0';
    std::optional<int> value;
    if (row.kind == EAnswer::log_mode && digit >= first_log_mode && digit <= last_log_mode) {
        value = digit;
    } else if (row.kind == EAnswer::gps_status && digit >= 0 && digit <= 9) {
        value = digit;
    }
    return SMatch{at, next + 1, value};
}

// A fatal scanner ends whatever ran; a logging file that did not open ends the opening.
void CScanner_dialogue::take_alarm(EScanner_alarm alarm)
{
    m_listener.scanner_alarm(alarm);
    if (m_running && (alarm == EScanner_alarm::fatal ||
                      m_running->sequence == EScanner_sequence::open_logging)) {
        stop_running();
    }
}

// Keeps what an answer or an alarm may still be found in, at most `capacity` bytes.
void CScanner_dialogue::trim()
{
    std::size_t keep_from = m_running ? std::min(m_answer_from, m_alarm_from) : m_alarm_from;
    if (m_stream.size() - keep_from > capacity) {
        keep_from = m_stream.size() - capacity;
    }
    keep_from = std::min(keep_from, m_stream.size());
    m_stream.erase(0, keep_from);
    m_answer_from -= std::min(m_answer_from, keep_from);
    m_alarm_from -= std::min(m_alarm_from, keep_from);
}

std::string ScannerEchoText(std::span<const std::byte> bytes)
{
    constexpr unsigned char first_printable = 0x20;
    constexpr unsigned char delete_byte = 0x7F;
    constexpr unsigned char caret_offset = 0x40;
    std::string text;
    text.reserve(bytes.size());
    for (const std::byte b : bytes) {
        const auto c = std::to_integer<unsigned char>(b);
        if (c < first_printable) {
            text += '^';
            text += static_cast<char>(c + caret_offset);
        } else if (c == delete_byte) {
            text += "^?";
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}
