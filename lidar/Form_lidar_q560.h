#pragma once
// The Q560 lidar tool, "Lidar Q560 Control": the PC talks to the scanner's data logger over a TCP
// connection of its own (port 20002). It opens and closes the logger's logging as the computer
// asks in Group 20202, queries the logger's mode and GPS synchronisation on connecting, reports
// the connection and logging state to the computer in Message 20207, and in manual mode sends
// single commands and scripts. Everything the logger sends is echoed in `ListBox1`.
//
// Its state reports go out unattended, so it is not guarded by the settings password.

#include "controls/address_edit.h"
#include "lidar/scanner_dialogue.h"
#include "net/socket_error_box.h"
#include "net/stream_client.h"
#include "protocol/navigation_groups.h"
#include "shell/Form_koru_settings.h"

#include <QElapsedTimer>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>

class CMessage20207;
class TLidarLink;

namespace Ui {
class FormLidarQ560Content;
}

class TFormLidarQ560 : public TFormKoruSettings, private IStream_owner, private IScanner_listener {
    Q_OBJECT

public:
    static constexpr std::uint16_t scanner_port = 20002;
    // How long a step of a logging sequence waits for the logger's answer.
    static constexpr std::chrono::seconds answer_time{30};
    // Connecting by itself is tried again no sooner than this after the last try.
    static constexpr std::chrono::seconds automatic_retry{5};

    // A port and an answer time other than the logger's are for tests against a stand-in.
    explicit TFormLidarQ560(std::uint16_t port = scanner_port,
                            std::chrono::milliseconds answer_timeout = answer_time,
                            QWidget *parent = nullptr);
    ~TFormLidarQ560() override;

    TLidarLink *LidarLink() const;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    // The tool hears every message, open or not: its automatic connection follows the echoes.
    bool AcceptsMessages(int argument) override;
    // Sends the state report, then Message 20206 with the logging the computer asked for last.
    void SendSettings(int argument) override;

    // The controls' handlers, as the user works them.
    void connectDisconnectClick();
    void CheckBox1Click();
    void RadioGroupLidarLoggingClick(int index);
    void ScriptPathButtonClick();
    void SendScriptClick();

protected:
    bool entries_ready() override;

private:
    // The scanner connection.
    void connection_finished(int error) override;
    std::span<std::byte> receive_area() override { return m_receive_area; }
    void received(std::size_t count) override;
    void peer_closed() override;
    void socket_error(int code) override;

    // The logging sequences.
    void send_to_scanner(std::string_view command) override;
    void scanner_alarm(EScanner_alarm alarm) override;
    void logging_confirmed(bool logging) override;
    void log_mode_reported(std::optional<int> mode) override;
    void gps_sync_reported(bool synchronised) override;

    bool automatic() const;
    void connect_scanner(const Address_bytes &address);
    void scanner_closed();
    void show_connection_state();
    void send_state_report();
    void send_logging_request(std::uint8_t logging);
    // A command of a manual button: sent in manual mode only, and only while connected.
    void manual_command(std::string_view command);
    void add_echo(std::span<const std::byte> bytes);
    void follow_waiting_step();
    void answer_timed_out();
    // A warning about what the logger said, shown after the handler that learned it has ended,
    // one box after the other.
    void post_warning(const QString &text);
    void show_posted_warnings();
    void warn(const QString &text);

    std::unique_ptr<Ui::FormLidarQ560Content> m_ui;
    CStream_client m_scanner;
    // A connection to the logger was begun and its end not handled yet.
    bool m_scanner_in_use = false;
    // The error that ended the last connection was shown.
    bool m_end_shown = false;
    CScanner_dialogue m_dialogue{*this};
    std::array<std::byte, 8192> m_receive_area{};
    std::uint16_t m_port;
    QTimer m_answer_timer;
    QElapsedTimer m_automatic_try;
    std::uint64_t m_timed_command = 0;
    CSocket_error_box m_error_box;
    std::deque<QString> m_warnings;
    bool m_warning_on_screen = false;

    CGroup20202 *m_lidar = nullptr;
    CMessage20207 *m_address_echo = nullptr;
    Address_bytes m_address;          // the scanner's address last used
    std::uint32_t m_logging_state = 0; // 1 while the logger logs
    std::uint32_t m_last_request = 0;  // the logging the computer asked for last
    std::uint32_t m_last_mode = 0;     // the kind of lidar interface last reported
};
