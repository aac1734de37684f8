#include "settings/output_port_records.h"

namespace {

constexpr std::uint16_t initial_protocol = CCom_port_protocol::no_parity |
                                           CCom_port_protocol::eight_data_bits << 3 |
                                           CCom_port_protocol::one_stop_bit << 5;

constexpr std::uint16_t initial_com2_format = 2;
constexpr std::uint16_t initial_com2_rate = 25; // Hz
constexpr std::uint8_t initial_analog_format = 2;

} // namespace

CCom_port_protocol::CCom_port_protocol(CComposite_item *parent, std::string_view name)
    : TBit_field<std::uint16_t>(parent, name, initial_protocol),
      m_parity(new TBit_range_pointer<std::uint16_t>(this, "Parity", 0, 2)),
      m_data_bits(new TBit_range_pointer<std::uint16_t>(this, "Data Bits", 3, 4)),
      m_stop_bits(new TBit_range_pointer<std::uint16_t>(this, "Stop Bits", 5, 6))
{}

CCom_port::CCom_port(CComposite_item *parent, std::string_view name)
    : CComposite_item(parent, name),
      m_port_control(new TScalar<std::uint8_t>(this, "COM Port Control", enabled)),
      m_baud_rate(new TScalar<std::uint8_t>(this, "COM Port Baud Rate", baud_9600)),
      m_protocol(new CCom_port_protocol(this, "COM Port Protocol"))
{}

CCom1_formula::CCom1_formula(CComposite_item *parent, std::string_view name)
    : TBit_set(parent, name, 0, {{bits::invtg, "invtg"},       {bits::ingst, "ingst"},
                                 {bits::ingga, "ingga"},       {bits::inhdt, "inhdt"},
                                 {bits::pashr_tb, "pashrTb"},  {bits::pashr_tss, "pashrTss"},
                                 {bits::prdid_tb, "prdidTb"},  {bits::prdid_tss, "prdidTss"},
                                 {bits::inzda, "inzda"},       {bits::event1, "event1"},
                                 {bits::event2, "event2"},     {bits::inggk, "inggk"},
                                 {bits::utc, "utc"},           {bits::event1pa, "event1pa"},
                                 {bits::event2pa, "event2pa"}, {bits::prigga, "prigga"},
                                 {bits::privtg, "privtg"},     {bits::inpps, "inpps"},
                                 {bits::vistrel1, "vistrel1"}, {bits::vistrel2, "vistrel2"}})
{}

CMessage102::CMessage102()
    : CMessage_record(number_of_record, byte_count, "Message 102 header"),
      m_roll_sense(new TScalar<std::uint8_t>(this, "Roll Sense", positive_sense)),
      m_pitch_sense(new TScalar<std::uint8_t>(this, "Pitch Sense", positive_sense)),
      m_heave_sense(new TScalar<std::uint8_t>(this, "Heave Sense", positive_sense)),
      m_formula_select(new CCom1_formula(this, "Formula Select")),
      m_com1(new CCom_port(this, "Com1")),
      m_update_rate(new TScalar<std::uint16_t>(this, "COM Port Update Rate", 1))
{
    close_layout("Message 102 footer");
}

CMessage103::CMessage103()
    : CMessage_record(number_of_record, byte_count, "Message 103 header"),
      m_roll_sense(new TScalar<std::uint8_t>(this, "Roll Sense", positive_sense)),
      m_pitch_sense(new TScalar<std::uint8_t>(this, "Pitch Sense", positive_sense)),
      m_heave_sense(new TScalar<std::uint8_t>(this, "Heave Sense", positive_sense)),
      m_formula_select(new TScalar<std::uint16_t>(this, "Formula Select", initial_com2_format)),
      m_com2(new CCom_port(this, "Com2")),
      m_update_rate(new TScalar<std::uint16_t>(this, "COM2 Update Rate", initial_com2_rate)),
      m_tm1b_delay(new TScalar<std::uint8_t>(this, "TM1B Additional Delay", 0))
{
    close_layout("Message 103 footer");
}

CMessage104::CMessage104()
    : CMessage_record(number_of_record, byte_count, "Message 104 header"),
      m_formula_select(new TScalar<std::uint16_t>(this, "Formula Select", auxiliary_gps)),
      m_com3(new CCom_port(this, "Com3")),
      m_update_rate(new TScalar<std::uint16_t>(this, "COM3 Update Rate", 0)),
      m_aux_1_protocol(new TScalar<std::uint8_t>(this, " AUX 1 Protocol", nmea_standard)),
      m_aux_2_protocol(new TScalar<std::uint8_t>(this, " AUX 2 Protocol", nmea_standard))
{
    close_layout("Message 104 footer");
}

CMessage105::CMessage105()
    : CMessage_record(number_of_record, byte_count, "Message 105 header"),
      m_roll_scale_factor(new TScalar<float>(this, "Roll Scale Factor", 1.0F)),
      m_pitch_scale_factor(new TScalar<float>(this, "Pitch Scale Factor", 1.0F)),
      m_heave_scale_factor(new TScalar<float>(this, "Heave Scale Factor", 1.0F)),
      m_roll_sense(new TScalar<std::uint8_t>(this, "Roll Sense", positive_sense)),
      m_pitch_sense(new TScalar<std::uint8_t>(this, "Pitch Sense", positive_sense)),
      m_heave_sense(new TScalar<std::uint8_t>(this, "Heave Sense", positive_sense)),
      m_formula_select(new TScalar<std::uint8_t>(this, "Formula Select", initial_analog_format)),
      m_output_enable(new TScalar<std::uint8_t>(this, "Output Enable", 1))
{
    close_layout("Message 105 footer");
}

CMessage20102::CMessage20102()
    : CMessage_record(number_of_record, byte_count, "Message 20102 header"),
      m_roll_input(new TScalar<float>(this, "Roll Input", 0.0F)),
      m_pitch_input(new TScalar<float>(this, "Pitch Input", 0.0F)),
      m_heading_input(new TScalar<float>(this, "Heading Input", 0.0F)),
      m_heave_input(new TScalar<float>(this, "Heave Input", 0.0F))
{
    close_layout("Message 20102 footer");
}

CMessage20103::CMessage20103()
    : CMessage_record(number_of_record, byte_count, "Message 20103 header"),
      m_roll_input(new TScalar<float>(this, "Roll Input", 0.0F)),
      m_pitch_input(new TScalar<float>(this, "Pitch Input", 0.0F)),
      m_heave_input(new TScalar<float>(this, "Heave Input", 0.0F))
{
    close_layout("Message 20103 footer");
}
