#pragma once
// The messages of the GNSS receiver dialog: the primary receiver (Message 5) and the secondary
// receiver (Message 110), of one layout. Standard library and protocol only, so that the
// simulator and the tests use them without a widget.

#include "protocol/group_base.h"
#include "settings/output_port_records.h"

#include <cstdint>
#include <string_view>

// A GNSS receiver's configuration: its type (the computer reports it), automatic configuration,
// output rate, the differential-correction port, antenna frequencies and satellite-based
// augmentation.
class CGps_receiver_message : public CMessage_record {
public:
    static constexpr std::uint16_t byte_count = 16;
    enum EReceiver_type : std::uint8_t {
        no_receiver = 0,
        gram = 11,
        corvane_r6 = 13,
        novatel_oemv = 14,
        corvane_r7 = 16,
        receiver_types = 17, // codes 0 to 16 name a receiver
    };
    // What the differential port accepts; its control byte.
    enum EPort_control : std::uint8_t {
        accept_rtcm = 0,
        accept_commands = 1,
        accept_rtca = 2,
        accept_cmr = 3,
        accept_rtcm_18_19 = 4,
    };
    enum EAntenna_frequency : std::uint8_t { l1 = 0, l1_l2 = 1, l2 = 2 };
    enum EAugmentation : std::uint8_t { augmentation_off = 0, waas = 1, egnos = 2, msas = 3 };

    TScalar<std::uint8_t> &auto_config() { return *m_auto_config; } // 1 enabled, 0 disabled
    TScalar<std::uint8_t> &receiver_type() { return *m_receiver_type; }
    TScalar<std::uint8_t> &output_rate() { return *m_output_rate; } // Hz
    // The differential port. Its baud code counts from 0 = 2400 baud, one below the serial
    // ports' codes.
    CCom_port &differential_port() { return *m_differential_port; }
    TScalar<std::uint8_t> &antenna_frequency() { return *m_antenna_frequency; }
    TScalar<std::uint8_t> &augmentation() { return *m_augmentation; }

protected:
    struct SNames {
        std::uint16_t number;
        std::string_view header;
        std::string_view receiver_type;
        std::string_view augmentation;
        std::string_view footer;
        EPort_control port_control;
    };
    explicit CGps_receiver_message(const SNames &names);

private:
    TScalar<std::uint8_t> *m_auto_config;
    TScalar<std::uint8_t> *m_receiver_type;
    TScalar<std::uint8_t> *m_output_rate;
    CCom_port *m_differential_port;
    TScalar<std::uint8_t> *m_antenna_frequency;
    TScalar<std::uint8_t> *m_augmentation;
};

// The primary GNSS receiver.
class CMessage5 : public CGps_receiver_message {
public:
    static constexpr std::uint16_t number_of_record = 5;
    CMessage5();
};

// The secondary GNSS receiver.
class CMessage110 : public CGps_receiver_message {
public:
    static constexpr std::uint16_t number_of_record = 110;
    CMessage110();
};
