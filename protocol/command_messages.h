#pragma once
// The small command messages of the main window's menus, and the general data message.

#include "protocol/group_base.h"

#include <cstdint>
#include <string>

// A command that carries one value: 16 bytes on the wire.
template <class TValue>
class TCommand_message : public CMessage_record {
public:
    static constexpr std::uint16_t byte_count = 8;

protected:
    template <class... Arguments>
    TCommand_message(std::uint16_t number, std::string_view value_name,
                     const Arguments &...value_arguments)
        : CMessage_record(number, byte_count, "Message " + std::to_string(number) + " header"),
          m_value(new TValue(this, value_name, value_arguments...))
    {
        close_layout("Message " + std::to_string(number) + " footer");
    }

    TValue &value() { return *m_value; }

private:
    TValue *m_value;
};

// Mode: 1 Standby, 2 Navigate, 3 Diagnostics (the computer also reports 4, which is none of them).
class CMessage7 : public TCommand_message<TScalar<std::uint8_t>> {
public:
    static constexpr std::uint16_t number_of_record = 7;
    enum EMode : std::uint8_t { standby = 1, navigate = 2, diagnostics = 3 };

    CMessage7() : TCommand_message(number_of_record, "Mode Type", std::uint8_t{standby}) {}
    TScalar<std::uint8_t> &mode_type() { return value(); }
};

class CMsg8_control : public TBit_set<std::uint8_t> {
public:
    CMsg8_control(CComposite_item *parent, std::string_view name)
        : TBit_set(parent, name, 0, {{0, "Save Parameters"}})
    {}
    TBit_pointer<std::uint8_t> &save_parameters() { return *bit(0); }
};

// Save the current parameters to non-volatile memory.
class CMessage8 : public TCommand_message<CMsg8_control> {
public:
    static constexpr std::uint16_t number_of_record = 8;

    CMessage8() : TCommand_message(number_of_record, "Control") {}
    CMsg8_control &control() { return value(); }
};

// The flag is set at construction: restoring the user's last saved settings is the default.
class CMsg9_control : public TBit_set<std::uint8_t> {
public:
    CMsg9_control(CComposite_item *parent, std::string_view name)
        : TBit_set(parent, name, 1, {{0, "Load Parameters"}})
    {}
    TBit_pointer<std::uint8_t> &load_parameters() { return *bit(0); }
};

// Restore settings: the user's last saved ones (1) or the factory defaults (0).
class CMessage9 : public TCommand_message<CMsg9_control> {
public:
    static constexpr std::uint16_t number_of_record = 9;

    CMessage9() : TCommand_message(number_of_record, "Control") {}
    CMsg9_control &control() { return value(); }
};

// Primary GNSS receiver: 0 reconfigure, 1 reset.
class CMessage10 : public TCommand_message<TScalar<std::uint8_t>> {
public:
    static constexpr std::uint16_t number_of_record = 10;
    enum ECommand : std::uint8_t { reconfigure = 0, reset = 1 };

    CMessage10() : TCommand_message(number_of_record, "Control Command", std::uint8_t{reconfigure})
    {}
    TScalar<std::uint8_t> &control_command() { return value(); }
};

class CMsg14_control : public TScalar<std::uint16_t> {
public:
    enum ECommand : std::uint16_t {
        controller_alive = 0,
        controller_disconnecting = 1,
        reset_twan = 100,
        reset_computer = 101,
        shut_down_computer = 102,
    };

    CMsg14_control(CComposite_item *parent, std::string_view name, std::uint16_t initial)
        : TScalar(parent, name, initial)
    {}
};

// Control of the connection and of the computer itself.
class CMessage14 : public TCommand_message<CMsg14_control> {
public:
    static constexpr std::uint16_t number_of_record = 14;

    CMessage14()
        : TCommand_message(number_of_record, "Control",
                           std::uint16_t{CMsg14_control::controller_alive})
    {}
    CMsg14_control &control() { return value(); }
};

// TWAN calibration: 0 stop, 1 start, 2 suspend, 3 force.
class CMessage109 : public TCommand_message<TScalar<std::uint8_t>> {
public:
    static constexpr std::uint16_t number_of_record = 109;
    enum ECommand : std::uint8_t { stop = 0, start = 1, suspend = 2, force = 3 };

    CMessage109() : TCommand_message(number_of_record, "twanControl", std::uint8_t{stop}) {}
    TScalar<std::uint8_t> &twan_control() { return value(); }
};

// General data: initial time, date, position, heading and position accuracy.
class CMessage13 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 13;
    static constexpr std::uint16_t byte_count = 60;

    CMessage13();

    TScalar<std::uint8_t> &hours() { return *m_hours; }
    TScalar<std::uint8_t> &minutes() { return *m_minutes; }
    TScalar<std::uint8_t> &seconds() { return *m_seconds; }
    TScalar<std::uint8_t> &month() { return *m_month; }
    TScalar<std::uint8_t> &day() { return *m_day; }
    TScalar<std::uint16_t> &year() { return *m_year; }
    TScalar<double> &initial_latitude() { return *m_initial_latitude; }
    TScalar<double> &initial_longitude() { return *m_initial_longitude; }
    TScalar<double> &initial_altitude() { return *m_initial_altitude; }
    TScalar<double> &initial_heading() { return *m_initial_heading; }
    TNed<float> &rms_position() { return *m_rms_position; }

private:
    TScalar<std::uint8_t> *m_hours;
    TScalar<std::uint8_t> *m_minutes;
    TScalar<std::uint8_t> *m_seconds;
    TScalar<std::uint8_t> *m_month;
    TScalar<std::uint8_t> *m_day;
    TScalar<std::uint16_t> *m_year;
    TScalar<double> *m_initial_latitude;
    TScalar<double> *m_initial_longitude;
    TScalar<double> *m_initial_altitude;
    TScalar<double> *m_initial_heading;
    TNed<float> *m_rms_position;
};
