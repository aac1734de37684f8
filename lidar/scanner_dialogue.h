#pragma once
// The logging sequences the PC runs with the lidar scanner's data logger: each a row of text
// commands, each sent once the logger answered the one before. Standard library only.
//
// The logger's answers are matched in the stream of everything it sent since the command, across
// reads and whatever bytes come between; what matched is consumed, so that one answer never
// counts twice. One sequence runs at a time: the status query runs first after connecting, and a
// logging request waits for the connection and for the query. The logger's two alarm texts are
// found the same way, wherever they come.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class EScanner_sequence : std::uint8_t { open_logging, close_logging, status_query };

enum class EScanner_alarm : std::uint8_t {
    fatal,         // "mFATAL": the scanner must be restarted
    logger_problem // "?HDLOG_OPEN": the logging file did not open (connection or full drive)
};

// One step of a sequence: the command sent and what the logger answers to it.
struct SScanner_step {
    EScanner_sequence sequence;
    std::size_t index; // from 0
    std::size_t count; // steps of the sequence
    std::string_view command;
    std::string_view name; // the command as a person reads it: "DLE", "HDLOG_OPEN", …
};

// What the tool does about what the logger says.
class IScanner_listener {
public:
    // Sends the bytes of a command to the logger.
    virtual void send_to_scanner(std::string_view command) = 0;
    virtual void scanner_alarm(EScanner_alarm alarm) = 0;
    // Open logging (true) or close logging (false) went through to its last answer.
    virtual void logging_confirmed(bool logging) = 0;
    // The logger's logging mode, 1 to 7; nothing when its answer names no such mode.
    virtual void log_mode_reported(std::optional<int> mode) = 0;
    // Whether the logger's GPS time is synchronised ("GPS_STATUS0").
    virtual void gps_sync_reported(bool synchronised) = 0;

protected:
    ~IScanner_listener() = default;
};

class CScanner_dialogue {
public:
    // Bytes kept of what the logger sent and no answer consumed yet.
    static constexpr std::size_t capacity = 8192;

    explicit CScanner_dialogue(IScanner_listener &listener) : m_listener(listener) {}

    // The connection to the logger is up: the status query starts, then any logging request
    // that waited.
    void connected();
    // The connection is gone: a logging sequence under way waits to run again from its start
    // once connected; the status query is dropped.
    void disconnected();

    // Asks for open or close logging. The newer request replaces an older one, running or
    // waiting; it waits while the status query runs or while there is no connection.
    void request_logging(bool logging);

    // Takes bytes the logger sent.
    void receive(std::span<const std::byte> bytes);

    // The step that waits for its answer, if one does.
    std::optional<SScanner_step> waiting_step() const;
    // Counts the commands sent by the sequences, so that a caller sees that a new step began.
    std::uint64_t commands_sent() const { return m_commands_sent; }
    // The waiting step had no answer in time: its sequence ends and the next waiting one starts.
    void give_up();

private:
    struct SRunning {
        EScanner_sequence sequence;
        std::size_t step;
    };
    struct SMatch {
        std::size_t begin;
        std::size_t end;
        std::optional<int> value; // the character after the key, for the keyed answers
    };

    void start(EScanner_sequence sequence);
    void start_next();
    void send_step();
    void stop_running();
    void advance(const SMatch &match);
    void scan();
    std::optional<SMatch> find_alarm(EScanner_alarm &alarm) const;
    std::optional<SMatch> find_answer() const;
    void take_alarm(EScanner_alarm alarm);
    void trim();

    IScanner_listener &m_listener;
    bool m_connected = false;
    std::optional<SRunning> m_running;
    std::optional<bool> m_waiting_logging; // a logging request not run yet
    bool m_waiting_query = false;
    std::string m_stream;         // what the logger sent, from the oldest byte still of use
    std::size_t m_answer_from = 0; // answers to the waiting step start here
    std::size_t m_alarm_from = 0;  // alarms not reported yet start here
    std::uint64_t m_commands_sent = 0;
};

// "open logging", "close logging" or "status query".
std::string_view SequenceName(EScanner_sequence sequence);

// The logger's bytes as a person reads them: printable bytes as they are, control bytes in caret
// notation ("^M" for CR, "^@" for a zero byte, "^?" for DEL), as the scripts write them.
std::string ScannerEchoText(std::span<const std::byte> bytes);
