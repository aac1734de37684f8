#include "dde/control_poke.h"

#include "lidar/lidar_records.h"
#include "protocol/command_messages.h"
#include "protocol/frame.h"
#include "protocol/group_copy.h"
#include "settings/output_port_records.h"
#include "settings/scsi_logging_records.h"
#include "settings/yaw_drift_records.h"
#include "shell/program.h"

#include <cmath>
#include <cstring>

namespace {

// Takes the body of the computer's echo into `message`, which keeps its own header; false, with
// `message` left as built, when the computer has echoed none.
template <class TMessage>
bool take_echo(TMessage &message, const TMessage &echo)
{
    if (!echo.is_current()) {
        return false;
    }
    const std::size_t body_start =
        static_cast<std::size_t>(message.header().end() - message.buffer());
    const std::size_t length = std::min(echo.frame_length(), message.buffer_size());
    if (length > body_start + frame::trailer_length) {
        std::memcpy(message.buffer() + body_start, echo.buffer() + body_start,
                    length - body_start - frame::trailer_length);
    }
    if constexpr (Lays_out_received<TMessage>) {
        message.lay_out_received();
    }
    message.refit_frame();
    return true;
}

// A decimal poked for a field: set when it is a finite number, else the field stays.
void set_decimal(TScalar<double> &field, const QString &text)
{
    bool number = false;
    const double value = text.toDouble(&number);
    if (number && std::isfinite(value)) {
        field.set(value);
    }
}

// "0" or "1" that differs from the echoed state; -1 for anything else.
int switched(const QString &text, unsigned echoed)
{
    if (text == QLatin1String("0") && echoed == 1) {
        return 0;
    }
    if (text == QLatin1String("1") && echoed == 0) {
        return 1;
    }
    return -1;
}

// Sends `message` when it is whole: echoed by the computer or wholly set by the poke.
void send_whole(CMessage_record &message, bool whole)
{
    if (!whole) {
        LogLine(QCoreApplication::translate("CControl_poke",
                                            "DDE: Message %1 was not sent: the computer has not "
                                            "reported its current values yet.")
                    .arg(message.number()));
        return;
    }
    if (Program().controller != nullptr) {
        Program().controller->send_message(message);
    }
}

} // namespace

CControl_poke::CControl_poke(SEchoed_states &states) : m_states(states)
{
    Get(Program().messages, m_lidar);
    Get(Program().messages, m_com2);
    Get(Program().messages, m_com3);
    Get(Program().messages, m_gimbal);
    Get(Program().messages, m_pc_card);
    Get(Program().messages, m_mode);
    Get(Program().messages, m_yaw_drift);
}

void CControl_poke::apply(const QStringList &lines)
{
    lidar(lines);
    output_ports(lines);
    gimbal(lines);
    pc_card(lines);
    mode(lines);
    yaw_drift(lines);
}

// The flight line goes with a change of the logging; alone it sends nothing.
void CControl_poke::lidar(const QStringList &lines)
{
    CMessage20206 message;
    const bool echoed = take_echo(message, *m_lidar);
    const int logging = switched(PokedValue(lines, u"LidarLogging"), m_states.lidar_logging);
    if (logging >= 0) {
        message.logging_control().set(static_cast<std::uint8_t>(logging));
    }
    if (const QString line = PokedValue(lines, u"FlightLine"); !line.isEmpty()) {
        bool number = false;
        const uint flight_line = line.toUInt(&number);
        message.flight_line_number().set(number ? flight_line : 0);
    }
    if (logging >= 0) {
        send_whole(message, echoed);
    }
}

// The next COM initialisation count makes the computer start its output ports anew: it is sent
// their settings as they are.
void CControl_poke::output_ports(const QStringList &lines)
{
    if (CounterStep(m_states.com_init_counter, PokedValue(lines, u"ComInitCounter")) != 1) {
        return;
    }
    ++m_states.com_init_counter;
    CMessage103 com2;
    const bool com2_echoed = take_echo(com2, *m_com2);
    CMessage104 com3;
    const bool com3_echoed = take_echo(com3, *m_com3);
    send_whole(com2, com2_echoed);
    send_whole(com3, com3_echoed);
}

// The gimbal counter one ahead switches the gimbal on, two ahead off; only when it does neither
// does "GimbalControl" count.
void CControl_poke::gimbal(const QStringList &lines)
{
    CMessage20205 message;
    const bool echoed = take_echo(message, *m_gimbal);
    const int step = CounterStep(m_states.gimbal_counter, PokedValue(lines, u"GimbalCounter"));
    int control = -1;
    if (step > 0) {
        m_states.gimbal_counter += static_cast<std::uint32_t>(step);
        control = step == 1 ? 1 : 0;
    } else {
        control = switched(PokedValue(lines, u"GimbalControl"), m_states.gimbal_control);
    }
    if (control >= 0) {
        message.gimbal_control().set(static_cast<std::uint8_t>(control));
        send_whole(message, echoed);
    }
}

// The file name goes with a change of the logging. A name the message has no room for is
// refused whole, never cut.
void CControl_poke::pc_card(const QStringList &lines)
{
    CMessage4 message;
    const bool echoed = take_echo(message, *m_pc_card);
    if (const QString file = PokedValue(lines, u"LogFile"); !file.isEmpty()) {
        const QByteArray bytes = file.toUtf8();
        if (static_cast<std::size_t>(bytes.size()) > CMessage4::file_name_length) {
            LogLine(tr("DDE: the log file name \"%1\" is longer than %2 bytes: Message 4 was not "
                       "sent.")
                        .arg(file)
                        .arg(CMessage4::file_name_length));
            return;
        }
        message.file_name().set(std::string_view(bytes.constData(), bytes.size()));
    }
    const int logging = switched(PokedValue(lines, u"Logging"), m_states.pc_card_logging);
    if (logging >= 0) {
        message.disk_logging_control().start_logging().set(logging == 1);
        send_whole(message, echoed);
    }
}

// Standby or Navigate as poked; any other text keeps the mode the computer reported.
void CControl_poke::mode(const QStringList &lines)
{
    CMessage7 message;
    const bool echoed = take_echo(message, *m_mode);
    const QString mode = PokedValue(lines, u"Mode");
    const bool set = mode == QLatin1String("1") || mode == QLatin1String("2");
    if (set) {
        message.mode_type().set(mode == QLatin1String("1") ? CMessage7::standby
                                                           : CMessage7::navigate);
    }
    send_whole(message, echoed || set);
}

void CControl_poke::yaw_drift(const QStringList &lines)
{
    CMessage20201 message;
    const bool echoed = take_echo(message, *m_yaw_drift);
    set_decimal(message.desired_heading(), PokedValue(lines, u"DesiredHead"));
    set_decimal(message.activation_threshold(), PokedValue(lines, u"ActivationThresh"));
    set_decimal(message.cutoff_period(), PokedValue(lines, u"Period"));
    set_decimal(message.gain(), PokedValue(lines, u"Gain"));
    const QString method = PokedValue(lines, u"Method");
    if (method == QLatin1String("1") || method == QLatin1String("0")) {
        message.correction_method().set(method == QLatin1String("1") ? 1 : 0);
    }
    send_whole(message, echoed);
}
