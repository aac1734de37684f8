#pragma once
// The simulated KORU computer without its sockets: it answers messages, keeps its settings,
// navigates, and tells what it would report at any moment.
//
// Times are seconds since the simulator started; they must not go backwards.

#include "tools/korusim/answer.h"
#include "tools/korusim/navigation.h"
#include "tools/korusim/options.h"
#include "tools/korusim/settings.h"
#include "tools/korusim/snapshot.h"

#include "protocol/acknowledgement.h"
#include "protocol/command_messages.h"
#include "protocol/frame.h"
#include "protocol/navigation_messages.h"
#include "protocol/password_message.h"
#include "settings/output_port_records.h"
#include "settings/scsi_logging_records.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Any message, read as far as its header: number and transaction number.
class CMessage_envelope : public CMessage_record {
public:
    CMessage_envelope() : CMessage_record(frame::no_number, 8, "Message header")
    {
        close_layout("Message footer");
    }
    // Takes the start of `frame`; what the frame does not hold reads 0.
    void take(std::span<const std::byte> frame);
};

class CComputer {
public:
    // `options.display_groups` must name the groups broadcast at power-on.
    explicit CComputer(const SOptions &options);
    CComputer(const CComputer &) = delete;
    CComputer &operator=(const CComputer &) = delete;

    // Handles one received message frame whose frame check gave `status`, at time `t`.
    SAnswer answer(std::span<const std::byte> frame, EFrame_status status, double t);
    // Number and transaction number of the frame answered last.
    std::uint16_t answered_number() const { return m_answered_number; }
    std::uint16_t answered_transaction() const { return m_answered_transaction; }
    // Message 0 for the frame answered last, sealed for sending.
    std::span<const std::byte> acknowledgement(const SAnswer &answer);

    // The controller went away: its login ends.
    void controller_disconnected();
    // Power-on again at `t`: the saved settings come back, navigation starts over.
    void restart(double t);

    // What the computer reports at `t`.
    SSnapshot snapshot(double t);
    ENav_phase phase_at(double t) const { return m_navigator.phase_at(t).phase; }
    bool displays_group(std::uint16_t group) { return m_settings.displays_group(group); }
    std::vector<std::uint16_t> display_groups() { return m_settings.display_groups(); }

    // Marks every settings echo as due (a controller connected, or the echo period came round).
    void request_echoes();
    // Hands every due echo, sealed, to `send` and clears them. A burst of echoes ends with
    // Message 1: a controller reads all its copies of the settings again when Message 1 comes.
    void take_echoes(const std::function<void(std::span<const std::byte>)> &send);

private:
    struct SHandler {
        std::uint16_t number;
        bool guarded; // refused until the controller logs in, when a password is set
        CMessage_record *received;
        void (*lay_out)(CMessage_record &received); // for variable layouts, else null
        std::function<SAnswer(double t)> apply;
    };

    // The commands the computer understands, then one handler per row of the settings table.
    std::vector<SHandler> make_handlers();
    SAnswer answer_frame(std::span<const std::byte> frame, double t);
    const SHandler *handler_for(std::uint16_t number) const;
    // The response code the command line sets for a message number, if any.
    std::optional<std::uint16_t> configured_response(std::uint16_t number) const;
    bool logged_out(double t) const;

    // A received copy of the setting in row `index` of the settings table.
    SAnswer apply_setting(std::size_t index, double t);
    SAnswer apply_mode(double t);
    SAnswer apply_save(double t);
    SAnswer apply_restore(double t);
    SAnswer apply_gnss_control(double t);
    SAnswer apply_control(double t);
    SAnswer apply_twan_calibration(double t);
    SAnswer apply_password(double t);
    SAnswer apply_free_inertial(double t);
    SAnswer apply_com2_values(double t);
    SAnswer apply_analog_values(double t);
    // The values taken are echoed as received.
    SAnswer take_values(CMessage_record &received, CMessage_record &taken, SAnswer check);

    // A setting in use changed: its row is echoed, and the last save no longer holds.
    void setting_changed(std::size_t index);
    // Every setting in use was replaced by another set.
    void settings_replaced();
    // A state echoed besides the settings changed: it is echoed.
    void state_changed(const CMessage_record &state);
    void start_navigation(double t);
    void stop_navigation(double t);
    // Recording on the PC card, asked for (or not) at `t`.
    void set_logging(bool on, double t);
    SDisk_usage disk_usage(double t) const;
    EPc_card pc_card_at(double t, const SDisk_usage &disk) const;

    SOptions m_options;
    CSettings m_factory;
    CSettings m_saved;
    CSettings m_settings;
    CMessage7 m_mode;
    CMessage20102 m_com2_values;
    CMessage20103 m_analog_values;
    bool m_free_inertial = false;
    bool m_saved_successfully = false;
    std::string m_password;
    std::optional<double> m_logged_in_until;
    // Echoes due: one flag per row of the settings table, and one per state the computer echoes
    // besides: the mode and the diagnostics values.
    std::vector<bool> m_pending_settings;
    std::vector<CMessage_record *> m_states;
    std::vector<bool> m_pending_states;

    CNavigator m_navigator;
    double m_power_on = 0;
    std::uint32_t m_restarts = 0;
    double m_logged_kbytes = 0;
    std::optional<double> m_logging_since;

    // Received copies: the header of every message, and one record per message the computer
    // understands; the settings are received into a set of their own.
    CMessage_envelope m_received_header;
    CSettings m_received_settings;
    CMessage7 m_received_mode;
    CMessage8 m_received_save;
    CMessage9 m_received_restore;
    CMessage10 m_received_gnss_control;
    CMessage14 m_received_control;
    CMessage109 m_received_twan_calibration;
    CMessage111 m_received_password;
    CMessage20202 m_received_free_inertial;
    CMessage20102 m_received_com2_values;
    CMessage20103 m_received_analog_values;
    std::vector<SHandler> m_handlers;

    std::uint16_t m_answered_number = 0;
    std::uint16_t m_answered_transaction = 0;
    CMessage0 m_acknowledgement;
};
