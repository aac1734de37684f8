#pragma once
// The messages of the input and output port dialog: the three serial ports (Messages 102, 103
// and 104), the analog output (Message 105) and the test values of the diagnostics mode
// (Messages 20102 and 20103). The serial port record is shared with the GNSS receivers'
// differential ports. Standard library and protocol only, so that the simulator and the tests use
// them without a widget.

#include "protocol/group_base.h"

#include <cstdint>
#include <string_view>

// "COM Port Protocol": "Parity" in bits 0-2, "Data Bits" in bits 3-4, "Stop Bits" in bits 5-6.
class CCom_port_protocol : public TBit_field<std::uint16_t> {
public:
    enum EParity : std::uint16_t { no_parity = 1, even_parity = 2, odd_parity = 4 };
    enum EData_bits : std::uint16_t { eight_data_bits = 1, seven_data_bits = 2 };
    enum EStop_bits : std::uint16_t { one_stop_bit = 1, two_stop_bits = 2 };

    // No parity, eight data bits, one stop bit.
    CCom_port_protocol(CComposite_item *parent, std::string_view name);

    TBit_range_pointer<std::uint16_t> &parity() { return *m_parity; }
    TBit_range_pointer<std::uint16_t> &data_bits() { return *m_data_bits; }
    TBit_range_pointer<std::uint16_t> &stop_bits() { return *m_stop_bits; }

private:
    TBit_range_pointer<std::uint16_t> *m_parity;
    TBit_range_pointer<std::uint16_t> *m_data_bits;
    TBit_range_pointer<std::uint16_t> *m_stop_bits;
};

// A serial port: whether it is enabled, its baud rate and its character format. 4 bytes.
class CCom_port : public CComposite_item {
public:
    enum EControl : std::uint8_t { disabled = 0, enabled = 1 };
    enum EBaud_rate : std::uint8_t {
        baud_4800 = 1,
        baud_9600 = 2,
        baud_19200 = 3,
        baud_38400 = 4,
        baud_57600 = 5,
        baud_76800 = 6,
        baud_115200 = 7,
    };

    // Enabled, 9600 baud, no parity, eight data bits, one stop bit.
    CCom_port(CComposite_item *parent, std::string_view name);

    TScalar<std::uint8_t> &port_control() { return *m_port_control; }
    TScalar<std::uint8_t> &baud_rate() { return *m_baud_rate; }
    CCom_port_protocol &protocol() { return *m_protocol; }

private:
    TScalar<std::uint8_t> *m_port_control;
    TScalar<std::uint8_t> *m_baud_rate;
    CCom_port_protocol *m_protocol;
};

// The NMEA sentences COM1 puts out: one bit per sentence.
class CCom1_formula : public TBit_set<std::uint32_t> {
public:
    struct bits {
        static constexpr unsigned invtg = 0;
        static constexpr unsigned ingst = 1;
        static constexpr unsigned ingga = 2;
        static constexpr unsigned inhdt = 3;
        static constexpr unsigned pashr_tb = 4;
        static constexpr unsigned pashr_tss = 5;
        static constexpr unsigned prdid_tb = 6;
        static constexpr unsigned prdid_tss = 7;
        static constexpr unsigned inzda = 8;
        static constexpr unsigned event1 = 9;
        static constexpr unsigned event2 = 10;
        static constexpr unsigned inggk = 11;
        static constexpr unsigned utc = 12;
        static constexpr unsigned event1pa = 13;
        static constexpr unsigned event2pa = 14;
        static constexpr unsigned prigga = 15;
        static constexpr unsigned privtg = 16;
        static constexpr unsigned inpps = 17;
        static constexpr unsigned vistrel1 = 18;
        static constexpr unsigned vistrel2 = 19;
    };

    CCom1_formula(CComposite_item *parent, std::string_view name);
};

// How the aircraft's motion is signed on an output: 0 or 1 for each of roll, pitch and heave.
enum ESense : std::uint8_t { positive_sense = 0, negative_sense = 1 };

// COM1: NMEA sentences.
class CMessage102 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 102;
    static constexpr std::uint16_t byte_count = 20;

    CMessage102();

    TScalar<std::uint8_t> &roll_sense() { return *m_roll_sense; }
    TScalar<std::uint8_t> &pitch_sense() { return *m_pitch_sense; }
    TScalar<std::uint8_t> &heave_sense() { return *m_heave_sense; }
    CCom1_formula &formula_select() { return *m_formula_select; }
    CCom_port &com1() { return *m_com1; }
    TScalar<std::uint16_t> &update_rate() { return *m_update_rate; } // Hz

private:
    TScalar<std::uint8_t> *m_roll_sense;
    TScalar<std::uint8_t> *m_pitch_sense;
    TScalar<std::uint8_t> *m_heave_sense;
    CCom1_formula *m_formula_select;
    CCom_port *m_com1;
    TScalar<std::uint16_t> *m_update_rate;
};

// COM2: one binary output format.
class CMessage103 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 103;
    static constexpr std::uint16_t byte_count = 20;
    enum EFormat : std::uint16_t {
        att01 = 8,
        koruatt = 9,
        koruatt2 = 10,
        rdr1 = 11,
        koruatt3 = 12,
        past1 = 13,
        trp1 = 14,
        past2 = 15,
        pav30 = 16,
        azmnt = 17,
        ppstr = 18,
        tm1b = 19,
        gsm3000 = 20,
    };
    static constexpr std::uint8_t largest_tm1b_delay = 250; // milliseconds

    CMessage103();

    TScalar<std::uint8_t> &roll_sense() { return *m_roll_sense; }
    TScalar<std::uint8_t> &pitch_sense() { return *m_pitch_sense; }
    TScalar<std::uint8_t> &heave_sense() { return *m_heave_sense; }
    TScalar<std::uint16_t> &formula_select() { return *m_formula_select; }
    CCom_port &com2() { return *m_com2; }
    TScalar<std::uint16_t> &update_rate() { return *m_update_rate; } // Hz
    TScalar<std::uint8_t> &tm1b_delay() { return *m_tm1b_delay; }    // milliseconds

private:
    TScalar<std::uint8_t> *m_roll_sense;
    TScalar<std::uint8_t> *m_pitch_sense;
    TScalar<std::uint8_t> *m_heave_sense;
    TScalar<std::uint16_t> *m_formula_select;
    CCom_port *m_com2;
    TScalar<std::uint16_t> *m_update_rate;
    TScalar<std::uint8_t> *m_tm1b_delay;
};

// COM3: one input format, and the protocols of the two auxiliary GNSS receivers.
class CMessage104 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 104;
    static constexpr std::uint16_t byte_count = 16;
    // Code 5 is not offered.
    enum EFormat : std::uint16_t {
        auxiliary_gps = 0,
        gim01 = 1,
        gim02 = 2,
        tas_gim = 3,
        p30_gim = 4,
        azimuth_mount = 6,
        gsm300 = 7,
        pv_su = 8,
    };
    enum EAux_protocol : std::uint8_t { nmea_standard = 0, cnav_navcom = 1 };

    CMessage104();

    TScalar<std::uint16_t> &formula_select() { return *m_formula_select; }
    CCom_port &com3() { return *m_com3; }
    TScalar<std::uint16_t> &update_rate() { return *m_update_rate; } // Hz
    TScalar<std::uint8_t> &aux_1_protocol() { return *m_aux_1_protocol; }
    TScalar<std::uint8_t> &aux_2_protocol() { return *m_aux_2_protocol; }

private:
    TScalar<std::uint16_t> *m_formula_select;
    CCom_port *m_com3;
    TScalar<std::uint16_t> *m_update_rate;
    TScalar<std::uint8_t> *m_aux_1_protocol;
    TScalar<std::uint8_t> *m_aux_2_protocol;
};

// The analog output: three channels, their scales and senses. The third channel carries heading,
// roll rate or heave, as the format says.
class CMessage105 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 105;
    static constexpr std::uint16_t byte_count = 24;
    enum EFormat : std::uint8_t { rph = 4, tas_yaw_drift = 5, rprr = 6 };

    CMessage105();

    TScalar<float> &roll_scale_factor() { return *m_roll_scale_factor; }
    TScalar<float> &pitch_scale_factor() { return *m_pitch_scale_factor; }
    TScalar<float> &heave_scale_factor() { return *m_heave_scale_factor; }
    TScalar<std::uint8_t> &roll_sense() { return *m_roll_sense; }
    TScalar<std::uint8_t> &pitch_sense() { return *m_pitch_sense; }
    TScalar<std::uint8_t> &heave_sense() { return *m_heave_sense; }
    TScalar<std::uint8_t> &formula_select() { return *m_formula_select; }
    TScalar<std::uint8_t> &output_enable() { return *m_output_enable; }

private:
    TScalar<float> *m_roll_scale_factor;
    TScalar<float> *m_pitch_scale_factor;
    TScalar<float> *m_heave_scale_factor;
    TScalar<std::uint8_t> *m_roll_sense;
    TScalar<std::uint8_t> *m_pitch_sense;
    TScalar<std::uint8_t> *m_heave_sense;
    TScalar<std::uint8_t> *m_formula_select;
    TScalar<std::uint8_t> *m_output_enable;
};

// Diagnostics: the values COM2 puts out instead of the navigation solution (degrees, metres).
class CMessage20102 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20102;
    static constexpr std::uint16_t byte_count = 24;

    CMessage20102();

    TScalar<float> &roll_input() { return *m_roll_input; }
    TScalar<float> &pitch_input() { return *m_pitch_input; }
    TScalar<float> &heading_input() { return *m_heading_input; }
    TScalar<float> &heave_input() { return *m_heave_input; }

private:
    TScalar<float> *m_roll_input;
    TScalar<float> *m_pitch_input;
    TScalar<float> *m_heading_input;
    TScalar<float> *m_heave_input;
};

// Diagnostics: the values the analog output puts out instead of the navigation solution. The
// third is the third channel's value, whatever that channel carries.
class CMessage20103 : public CMessage_record {
public:
    static constexpr std::uint16_t number_of_record = 20103;
    static constexpr std::uint16_t byte_count = 20;

    CMessage20103();

    TScalar<float> &roll_input() { return *m_roll_input; }
    TScalar<float> &pitch_input() { return *m_pitch_input; }
    TScalar<float> &heave_input() { return *m_heave_input; }

private:
    TScalar<float> *m_roll_input;
    TScalar<float> *m_pitch_input;
    TScalar<float> *m_heave_input;
};
